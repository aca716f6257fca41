#include "picture/FrameCells.h"

void resetFrameCanvas(PictureCanvas& canvas, double left, double width, double height)
{
    canvas.setScale(left, 0, width, height);
    canvas.clear();
}

void drawFrameCells(PictureCanvas& canvas, int lines, int pixels, const std::function<int(int x, int y)>& greyAt)
{
    if (pixels < 1)
        return;
    for (int x = 1; x <= lines; ++x) {
        // A run of equal cells down a line is one box: the same pixels, far fewer painter calls.
        int runStart = 0;
        int runGrey = greyAt(x, 0);
        for (int y = 1; y <= pixels; ++y) {
            const int grey = y < pixels ? greyAt(x, y) : -1;
            if (grey == runGrey)
                continue;
            canvas.filledBox(x, runStart, x + 1, y, QColor(runGrey, runGrey, runGrey));
            runStart = y;
            runGrey = grey;
        }
    }
}
