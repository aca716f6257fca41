#include "analysis/loader/ChunkLineReader.h"

#include <algorithm>

namespace {

constexpr qint64 kLargestChunk = qint64(1) << 22;
constexpr qint64 kSmallestChunk = qint64(1) << 12;

} // namespace

// The buffer holds what there is to read up to 4 MiB: a small file or stretch
// does not pay for clearing a large one.
ChunkLineReader::ChunkLineReader(QFile& f, qint64 limit)
    : f_(f)
    , base_(f.pos())
    , limit_(limit < 0 ? f.size() : limit)
    , capacity_(qsizetype(std::clamp(limit_ - base_, kSmallestChunk, kLargestChunk)))
{
    buffer_.resize(size_t(capacity_ + kLinePadding));
}

bool ChunkLineReader::next(Bytes& line, qint64& at)
{
    for (;;) {
        if (start_ < filled_) {
            const void* nl = std::memchr(buffer_.data() + start_, '\n', size_t(filled_ - start_));
            if (nl || eof_) {
                const qsizetype end = nl ? static_cast<const char*>(nl) - buffer_.data() : filled_;
                at = base_ + start_;
                qsizetype n = end - start_;
                while (n > 0 && buffer_[size_t(start_ + n - 1)] == '\r')
                    --n;
                line = {buffer_.data() + start_, n};
                start_ = nl ? end + 1 : filled_;
                return true;
            }
        } else if (eof_) {
            return false;
        }
        refill();
    }
}

void ChunkLineReader::refill()
{
    // Keep the unfinished line at the front; grow for a line longer than the buffer.
    const qsizetype rest = filled_ - start_;
    if (rest > 0)
        std::memmove(buffer_.data(), buffer_.data() + start_, size_t(rest));
    base_ += start_;
    start_ = 0;
    filled_ = rest;
    if (filled_ == capacity_) {
        capacity_ *= 2;
        buffer_.resize(size_t(capacity_ + kLinePadding));
    }
    const qint64 wanted = std::min<qint64>(capacity_ - filled_, limit_ - (base_ + filled_));
    const qint64 n = wanted > 0 ? f_.read(buffer_.data() + filled_, wanted) : 0;
    if (n <= 0)
        eof_ = true;
    else
        filled_ += n;
}
