#include "analysis/loader/WellActivityText.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

std::optional<QByteArray> firstField(const QByteArray& line)
{
    const qsizetype comma = line.indexOf(',');
    if (comma < 1)
        return std::nullopt;
    return line.left(comma);
}

QByteArray afterFirstComma(const QByteArray& line) { return line.mid(line.indexOf(',') + 1); }

std::optional<int> wholeNumber(QByteArray text)
{
    text = text.trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v != std::floor(v) || v < -2147483648.0 || v > 2147483647.0)
        return std::nullopt;
    return int(v);
}

std::optional<int> fastWholeNumber(const char* p, qsizetype n)
{
    const bool negative = n > 0 && p[0] == '-';
    qsizetype i = negative ? 1 : 0;
    if (n - i < 1 || n - i > 9)
        return wholeNumber(QByteArray(p, n));
    int v = 0;
    for (; i < n; ++i) {
        const unsigned d = unsigned(p[i]) - '0';
        if (d > 9)
            return wholeNumber(QByteArray(p, n));
        v = v * 10 + int(d);
    }
    return negative ? -v : v;
}

qint64 cellValue(const char* p, qsizetype n)
{
    if (n == 1 && p[0] == '-')
        return -1;
    while (n > 0 && *p == ' ') {
        ++p;
        --n;
    }
    while (n > 0 && p[n - 1] == ' ')
        --n;
    if (n == 0 || n > 18)
        return 0;
    qint64 v = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return 0;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

// Digits of up to eight characters are summed eight bytes at once;
// "-", blanks, signs and long cells go through cellValue.
qint64 cellAt(const char* p, qsizetype n)
{
    if (n == 1 || n == 2) {
        // The common short counts, still without a branch on their length.
        const unsigned d0 = unsigned(uchar(p[0])) - '0';
        const unsigned d1 = unsigned(uchar(p[1])) - '0';
        const bool two = n == 2;
        if ((d0 <= 9) & (!two | (d1 <= 9)))
            return two ? d0 * 10 + d1 : d0;
        if (!two && p[0] == '-')
            return -1;
    }
    if (n < 1 || n > 8)
        return cellValue(p, n);
    quint64 x;
    std::memcpy(&x, p, 8);
    // The cell's characters in the top bytes, '0' below them.
    const int shift = 8 * (8 - int(n));
    quint64 digits = x << shift;
    if (shift > 0)
        digits |= 0x3030303030303030ULL >> (64 - shift);
    if ((((digits + 0x4646464646464646ULL) | (digits - 0x3030303030303030ULL)) & 0x8080808080808080ULL) != 0)
        return cellValue(p, n);
    digits -= 0x3030303030303030ULL;
    digits = digits * 10 + (digits >> 8);
    digits = (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
              (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
             32;
    return qint64(digits);
}

quint64 commaMask(const char* block)
{
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    quint64 mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k));
        mask |= quint64(quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, comma)))) << (16 * k);
    }
    return mask;
#else
    quint64 mask = 0;
    for (int k = 0; k < 64; ++k)
        mask |= quint64(block[k] == ',') << k;
    return mask;
#endif
}
