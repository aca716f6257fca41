#include "projects/GroupMenuCaptions.h"

namespace {
constexpr int kMenuItems = 24;
constexpr int kLargestBlock = 16;
} // namespace

QStringList BuildGroupMenuCaptions(int plateRows, int plateColumns)
{
    QStringList captions;
    // Every size divides 0: a plate without wells would offer shapes it cannot hold.
    if (plateRows <= 0 || plateColumns <= 0)
        return captions;
    for (int c = 1; c <= kLargestBlock; ++c) {
        if (plateColumns % c != 0)
            continue;
        for (int r = 1; r <= kLargestBlock; ++r) {
            if (plateRows % r != 0 || captions.size() >= kMenuItems)
                continue;
            captions << QStringLiteral("%1x%2 [RowsxColumn]")
                            .arg(r, 2, 10, QLatin1Char('0'))
                            .arg(c, 2, 10, QLatin1Char('0'));
        }
    }
    return captions;
}
