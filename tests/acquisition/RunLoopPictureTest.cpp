#include "RunLoopRig.h"

#include "acquisition/run/LiveFrameDrawing.h"

#include <gtest/gtest.h>

// The live picture a run draws from the simulated instrument's frames: the
// moving organisms of camera 0's first well show as activity inside the mask.
namespace {

class DrawingHost final : public RunLoopHost {
public:
    DrawingHost(RecordingRunHost& inner, const CameraBoxes& boxes, const PlateGeometry& geometry, const RunRecord& run,
                const std::unique_ptr<RunLoop>& loop)
        : inner_(inner), boxes_(boxes), geometry_(geometry), run_(run), loop_(loop)
    {
    }
    LightBoxes lightBoxes() const override { return inner_.lightBoxes(); }
    bool saveRawData() const override { return false; }
    void showElapsedTime(const QString& t) override { inner_.showElapsedTime(t); }
    void showCameraBoxes() override {}
    void showCameraButtons(int) override {}
    void drawMaskedImageWithWellGrid(int camera, int window, const QByteArray& frame, const QByteArray& difference,
                                     int mode) override
    {
        if (camera == 0 && window == 0)
            DrawMaskedImageWithWellGrid({Picact2, boxes_, geometry_, run_.setup, loop_->sampleCount()}, camera, window,
                                        frame, difference, mode);
    }
    void drawScanProgressMark(int) override {}
    void clearRealtime() override {}
    void drawWellValueMap(double, int, int, int) override {}
    void drawLivePlateValues(int, int) override {}
    void drawWellActivityRow(int, int) override {}
    void showTemperature() override {}
    void StopAcquisition() override { inner_.StopAcquisition(); }
    void showRunStoppedByError() override {}
    void showRunDone() override { inner_.showRunDone(); }
    void cmdreport_Click() override {}
    void EvaluateBlankRun(const QString&, const QString&, double) override {}

    PictureCanvas Picact2{160, 100};

private:
    RecordingRunHost& inner_;
    const CameraBoxes& boxes_;
    const PlateGeometry& geometry_;
    const RunRecord& run_;
    const std::unique_ptr<RunLoop>& loop_;
};

using RunLoopPicture = RunLoopRig;

TEST_F(RunLoopPicture, CameraZerosMovingWellShowsActivityInsideItsMask)
{
    prepare("w24");
    DrawingHost drawing(host, boxes, geometry, run, loop);
    drawing.Picact2.clear();
    hostInstead = &drawing;
    ASSERT_TRUE(begin(30));
    tickWhile([&] { return loop->sampleCount() < 10 || run.currentCamera != 0; }, 10);
    ASSERT_EQ(loop->sampleCount(), 10);
    const QImage& image = drawing.Picact2.image();
    ASSERT_TRUE(image.save(folder.path("live_w24_cam0.png")));
    // Activity colours (255 - v, 255 - v, 200 - v), darker than the pale background.
    int active = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 255 && c.red() == c.green() && c.blue() == std::max(c.red() - 55, 0))
                ++active;
        }
    EXPECT_GT(active, 0);
}

} // namespace
