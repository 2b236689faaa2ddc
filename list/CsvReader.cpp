#include "list/CsvReader.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Byte classes; every other byte is plain field text.
constexpr std::uint8_t kSeparator = 1, kQuote = 2, kLineEnd = 4;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A quoted field's text holds every quote doubled; keeps one of each pair.
// Works in place: the text only gets shorter.
std::string_view RemoveDoubledQuotes(char* begin, char* end) {
    char* out = begin;
    for (char* in = begin; in < end;) {
        char* quote = static_cast<char*>(std::memchr(in, '"', std::size_t(end - in)));
        char* const stop = quote ? quote + 1 : end;
        std::memmove(out, in, std::size_t(stop - in));
        out += stop - in;
        in = quote ? quote + 2 : end;
    }
    return {begin, std::size_t(out - begin)};
}

// The first comma, quote, CR or LF from `q` on, or `end`. Sixteen bytes are
// compared at a time where the processor has SSE2 (every x86-64 does).
const char* NextSpecial(const char* q, const char* end) {
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(','), quote = _mm_set1_epi8('"'), cr = _mm_set1_epi8('\r'),
                  lf = _mm_set1_epi8('\n');
    for (; end - q >= 16; q += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i special =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, quote)),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (const int mask = _mm_movemask_epi8(special))
            return q + std::countr_zero(unsigned(mask));
    }
#endif
    while (q < end && *q != ',' && *q != '"' && *q != '\r' && *q != '\n') ++q;
    return q;
}

}  // namespace

CsvReader::CsvReader(ByteSource source, CsvReaderOptions options)
    : source_(std::move(source)),
      options_(options),
      capacity_(std::max<std::size_t>(options.bufferSize, 1)) {
    classes_[std::uint8_t(',')] = kSeparator;
    classes_['"'] = kQuote;
    classes_['\r'] = classes_['\n'] = kLineEnd;
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
}

const CsvRecord* CsvReader::Next() {
    if (!bomChecked_) ReadByteOrderMark();
    state_ = State::RecordStart;
    recordBegin_ = pos_;  // the last record's bytes are free now
    record_.error = CsvError::None;
    dropped_ = 0;
    spans_.clear();
    for (;;) {
        if (Scan()) return &record_;
        if (!Refill()) return FinishAtEndOfInput() ? &record_ : nullptr;
    }
}

void CsvReader::ReadByteOrderMark() {
    bomChecked_ = true;
    while (end_ < kByteOrderMark.size() && Refill()) {
    }
    if (std::string_view(buffer_.get(), end_).starts_with(kByteOrderMark))
        pos_ = recordBegin_ = kByteOrderMark.size();
}

// Runs the record's state machine over the bytes read so far. True when the
// record is complete; false when it needs more input (all bytes are consumed).
bool CsvReader::Scan() {
    char* const buffer = buffer_.get();
    const char* p = buffer + pos_;
    const char* const end = buffer + end_;
    State state = state_;
    const auto offset = [&](const char* at) { return std::size_t(at - buffer) - recordBegin_; };
    const auto complete = [&](std::string_view lineEnd) {
        pos_ = std::size_t(p - buffer);
        state_ = State::RecordStart;
        CompleteRecord(lineEnd);
        return true;
    };
    // At the CR or LF that ends the record; a CR waits for a possible LF.
    const auto lineEnds = [&] {
        CheckLength(offset(p));
        ++line_;
        if (*p++ == '\n') return complete("\n");
        state = State::RecordCr;
        return false;
    };
    // The field ends at `fieldEnd`; `p` is at its separator or line end. True
    // when the record is complete too.
    const auto fieldEnds = [&](std::size_t fieldEnd) {
        AddField(fieldEnd);
        if (classes_[std::uint8_t(*p)] == kLineEnd) return lineEnds();
        ++p;
        state = State::FieldStart;
        return false;
    };

    while (p < end) {
        switch (state) {
            case State::RecordStart:
                if (classes_[std::uint8_t(*p)] == kLineEnd) {  // a blank line
                    ++line_;
                    state = *p++ == '\r' ? State::BlankLineCr : State::RecordStart;
                    recordBegin_ = std::size_t(p - buffer);
                    continue;
                }
                recordBegin_ = std::size_t(p - buffer);
                record_.line = line_;
                if (ScanPlainLine(p, end)) return complete("\n");
                state = State::FieldStart;
                [[fallthrough]];
            case State::FieldStart:
                fieldDoubledQuotes_ = false;
                if (*p == '"') {
                    fieldBegin_ = offset(++p);
                    state = State::Quoted;
                    continue;
                }
                fieldBegin_ = offset(p);
                state = State::Unquoted;
                [[fallthrough]];
            case State::Unquoted:
                while (p < end && !classes_[std::uint8_t(*p)]) ++p;
                if (p == end) continue;
                if (*p == '"') {
                    SetError(CsvError::QuoteInUnquotedField);  // and the quote is text
                    ++p;
                    continue;
                }
                if (fieldEnds(offset(p))) return true;
                continue;
            case State::Quoted:
                while (p < end && !(classes_[std::uint8_t(*p)] & (kQuote | kLineEnd))) ++p;
                if (p == end) continue;
                if (*p == '"') {
                    state = State::QuoteInQuotes;
                } else {
                    ++line_;
                    if (*p == '\r') state = State::QuotedCr;
                }
                ++p;
                continue;
            case State::QuotedCr:
                if (*p == '\n') ++p;
                state = State::Quoted;
                continue;
            case State::QuoteInQuotes:
                if (*p == '"') {
                    fieldDoubledQuotes_ = true;
                    state = State::Quoted;
                    ++p;
                    continue;
                }
                if (!classes_[std::uint8_t(*p)]) {
                    SetError(CsvError::TextAfterClosingQuote);  // read on as unquoted text
                    state = State::Unquoted;
                    continue;
                }
                if (fieldEnds(offset(p) - 1)) return true;  // before the closing quote
                continue;
            case State::RecordCr:
                if (*p != '\n') return complete("\r");
                ++p;
                return complete("\r\n");
            case State::BlankLineCr:
                if (*p == '\n') ++p;
                recordBegin_ = std::size_t(p - buffer);
                state = State::RecordStart;
                continue;
        }
    }
    pos_ = end_;
    state_ = state;
    return false;
}

// The common record: no quote, no CR, and its LF among the bytes read. Its
// fields are found at its commas in one pass, as the state machine would
// find them; true with `p` past the LF. Any other record is left to the
// state machine, with nothing done.
bool CsvReader::ScanPlainLine(const char*& p, const char* end) {
    const char* const begin = p;
    std::size_t fieldBegin = 0;
    for (const char* q = p; (q = NextSpecial(q, end)) < end; ++q) {
        const std::size_t at = std::size_t(q - begin);
        if (*q == ',') {
            spans_.push_back({fieldBegin, at, false});
            fieldBegin = at + 1;
        } else if (*q == '\n') {
            spans_.push_back({fieldBegin, at, false});
            CheckLength(at);
            ++line_;
            p = q + 1;
            return true;
        } else {
            break;  // a quote or a CR
        }
    }
    spans_.clear();
    return false;
}

// Makes room and reads more. The record being read moves to the front of the
// buffer, which doubles when the record fills it; a malformed record's bytes
// are dropped instead, as nothing of it will be returned.
bool CsvReader::Refill() {
    if (endOfInput_) return false;
    const std::size_t held = pos_ - recordBegin_;
    if (state_ != State::RecordCr && held > options_.maxRecordSize)
        record_.error = CsvError::RecordTooLong;
    if (record_.error != CsvError::None) {
        dropped_ += held;
        recordBegin_ = pos_;
    }
    char* buffer = buffer_.get();
    const std::size_t keep = end_ - recordBegin_;
    if (recordBegin_ > 0) {
        if (keep > 0) std::memmove(buffer, buffer + recordBegin_, keep);
        pos_ -= recordBegin_;
        recordBegin_ = 0;
        end_ = keep;
    }
    if (end_ == capacity_) {
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
        std::memcpy(larger.get(), buffer, end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
        buffer = buffer_.get();
    }
    errno = 0;
    const std::ptrdiff_t count = source_(buffer + end_, capacity_ - end_);
    if (count > 0) {
        end_ += std::size_t(count);
        return true;
    }
    endOfInput_ = true;
    if (count < 0) readError_ = errno != 0 ? errno : EIO;
    return false;
}

bool CsvReader::FinishAtEndOfInput() {
    if (readError_ != 0) return false;
    const std::size_t at = end_ - recordBegin_;
    switch (state_) {
        case State::RecordStart:
        case State::BlankLineCr:
            return false;
        case State::RecordCr:
            CompleteRecord("\r");
            return true;
        case State::FieldStart:
            fieldBegin_ = at;
            fieldDoubledQuotes_ = false;
            [[fallthrough]];
        case State::Unquoted:
            AddField(at);
            break;
        case State::QuoteInQuotes:
            AddField(at - 1);
            break;
        case State::Quoted:
        case State::QuotedCr:
            SetError(CsvError::UnterminatedQuote);
            break;
    }
    CheckLength(at);
    CompleteRecord("");
    return true;
}

void CsvReader::SetError(CsvError error) {
    if (record_.error == CsvError::None) record_.error = error;
}

// The length decides alone, whatever else is wrong, so that the outcome does
// not depend on where the buffer happened to be refilled.
void CsvReader::CheckLength(std::size_t contentEnd) {
    if (dropped_ + contentEnd > options_.maxRecordSize) record_.error = CsvError::RecordTooLong;
}

void CsvReader::AddField(std::size_t end) {
    if (record_.error == CsvError::None) spans_.push_back({fieldBegin_, end, fieldDoubledQuotes_});
}

void CsvReader::CompleteRecord(std::string_view lineEnd) {
    record_.lineEnd = lineEnd;
    record_.fields.clear();
    if (record_.error != CsvError::None) return;
    char* const base = buffer_.get() + recordBegin_;
    for (const FieldSpan& span : spans_) {
        record_.fields.push_back(span.doubledQuotes
                                     ? RemoveDoubledQuotes(base + span.begin, base + span.end)
                                     : std::string_view(base + span.begin, span.end - span.begin));
    }
}
