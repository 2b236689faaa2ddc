#pragma once
// A list dropped on the window: a .csv file dragged from the file manager
// onto the window or any control of it is opened as a list; the fields take
// no file names as text.

#include <QList>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// `open` gets the local path of a .csv file dropped on `window` or its controls.
void AcceptListDrops(QWidget* window, std::function<void(const QString& path)> open);

// The one .csv file among dropped `urls`' local files, else empty.
QString DroppedListPath(const QList<QUrl>& urls);
