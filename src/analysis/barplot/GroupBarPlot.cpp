#include "analysis/barplot/GroupBarPlot.h"

#include "analysis/barplot/BarSlotFont.h"
#include "core/Rounding.h"
#include "picture/PictureCanvas.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A bar's texts start at 10k + 3; the next bar's start at 10k + 13.
constexpr double kSlotTextRoom = 9.0;

} // namespace

qint64 SumGroupActivity(const RunResults& run, const std::array<int, kWellSlots>& wellGroup, GroupTotals& totals)
{
    totals.fill(0.0);
    double largest = 0;
    double t = 0;
    for (int w = 0; w < 24; ++w) {
        const int g = wellGroup[size_t(w)];
        if (g < 0 || g >= kWellSlots)
            continue;
        for (int s = 0; s <= run.scanIndex(); ++s) {
            // A scan's activity is the change of the well's recorded total, so it may be negative.
            t = totals[size_t(g)] + run.activity(w, s);
            totals[size_t(g)] = double(roundHalfEven(t));
        }
        if (t > largest)
            largest = t;
    }
    return roundHalfEven(largest);
}

void DrawGroupBarPlot(PictureCanvas& canvas, const RunResults& run, const std::array<int, kWellSlots>& wellGroup,
                      const GroupBarPlotInput& input)
{
    GroupTotals totals{};
    const double m = double(std::max<qint64>(SumGroupActivity(run, wellGroup, totals), 50));
    canvas.setScale(0, 1.2 * m, 120, -1.335 * m);
    canvas.clear();
    canvas.drawWidth = 2;
    const QColor black(0, 0, 0);
    const auto printAt = [&canvas](double x, double y, const QString& text) {
        canvas.currentX = x;
        canvas.currentY = y;
        canvas.print(text);
    };
    // Each bar's label and total, printed after every bar so that no bar covers
    // a text, in one font that keeps the widest of them inside its slot: from
    // the text's left (10k + 3) to the next bar (10k + 12).
    QStringList slotTexts;
    std::vector<std::pair<double, double>> slotTextPlaces;
    for (int k = 1; k <= std::min<int>(int(input.groupList.size()), 10); ++k) {
        const QString& entry = input.groupList[k - 1];
        const int g = std::clamp(entry.left(3).toInt(), 0, 384);
        const double x1 = 10.0 * k + 2, x2 = 10.0 * k + 10, top = totals[size_t(g)];
        if (k - 1 == input.selected) {
            canvas.filledBox(x1, 0, x2, top, QColor(200, 200, 200));
            canvas.box(x1, 0, x2, top, black);
        } else {
            canvas.filledBox(x1, 0, x2, top, QColor(220, 220, 220));
            canvas.drawWidth = 1;
            canvas.box(x1, 0, x2, top, black);
            canvas.drawWidth = 2;
        }
        slotTexts << entry.left(10) << QString::number(qint64(top));
        slotTextPlaces.emplace_back(10.0 * k + 3, -2);
        slotTextPlaces.emplace_back(10.0 * k + 3, m / 3);
    }
    const QFont pictureFont = canvas.font;
    canvas.font = barSlotFont(canvas, slotTexts, kSlotTextRoom);
    canvas.foreColor = black;
    for (qsizetype i = 0; i < slotTexts.size(); ++i)
        printAt(slotTextPlaces[size_t(i)].first, slotTextPlaces[size_t(i)].second,
                fittedToSlot(canvas, canvas.font, slotTexts[i], kSlotTextRoom));
    canvas.font = pictureFont;
    const QColor grey(128, 128, 128);
    canvas.line(10, 0, 119, 0, grey);
    canvas.line(10, 0, 10, m, grey);
    canvas.line(10, 0, 9, 0, grey);
    canvas.line(10, 0.99 * m, 9, 0.99 * m, grey);
    canvas.drawWidth = 1;

    const QFont f = canvas.font;
    const double size = double(roundHalfEven(f.pointSizeF()));
    canvas.foreColor = black;
    QFont small = f;
    small.setPointSizeF(std::max(0.75 * size, 1.0));
    canvas.font = small;
    printAt(6, 1.05 * m, QString::number(qint64(m)));
    printAt(6, size / 2, QStringLiteral("0"));
    canvas.font = f;
    printAt(10, 1.18 * m,
            QStringLiteral("Project: ") + input.projectName + QStringLiteral(" -> ") + input.runStamp + QLatin1Char(' ') +
                input.acquisitionName);
}
