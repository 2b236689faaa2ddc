#include "window/ListDrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class ListDropFilter : public QObject {
public:
    ListDropFilter(QWidget* window, std::function<void(const QString&)> open)
        : QObject(window), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
                break;
            default:
                return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedListPath(drop->mimeData()->urls());
        if (path.isEmpty()) return false;  // for the control, as ever
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) open_(path);
        return true;
    }

private:
    std::function<void(const QString&)> open_;
};

}  // namespace

void AcceptListDrops(QWidget* window, std::function<void(const QString&)> open) {
    auto* filter = new ListDropFilter(window, std::move(open));
    window->setAcceptDrops(true);
    window->installEventFilter(filter);
    for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(filter);
}

QString DroppedListPath(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) == 0 ? path : QString();
}
