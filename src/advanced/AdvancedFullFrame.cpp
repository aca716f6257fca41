#include "advanced/AdvancedFullFrame.h"

#include "advanced/AdvancedBoxNumbers.h"
#include "advanced/AdvancedPageControls.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Rounding.h"
#include "link/frames/FrameTransfer.h"

namespace {

const QColor kCrossColour(0, 255, 0);
const QColor kBadFrameLabel(255, 0, 0);
constexpr double kDummyTop = 100;

QString notWhole(const char* box) { return QStringLiteral("Frame not read: %1 must be a whole number").arg(QLatin1String(box)); }

void fillDummyFrame(FrameImage& image, const FullFrameSize& size, QRandomGenerator& random)
{
    for (int y = 0; y < size.pixels; ++y)
        for (int x = 1; x <= size.lines; ++x)
            image.set(size.camera, x, y, static_cast<quint8>(roundHalfEven(random.generateDouble() * kDummyTop)));
}

void drawCross(PictureCanvas& Picact, const FullFrameSize& size)
{
    const double lines = size.lines;
    const double pixels = size.pixels;
    Picact.line(0.3 * lines, pixels / 2, 0.7 * lines, pixels / 2, kCrossColour);
    Picact.line(lines / 2, 0.3 * pixels, lines / 2, 0.7 * pixels, kCrossColour);
}

} // namespace

std::optional<FullFrameSize> fullFrameSize(const CameraBoxes& boxes, bool halfSize, QString& why)
{
    const std::pair<const char*, const QString*> named[] = {{"txt_cam", &boxes.txt_cam},   {"txt_xini", &boxes.txt_xini},
                                                            {"txt_xfin", &boxes.txt_xfin}, {"txt_yini", &boxes.txt_yini},
                                                            {"txt_yfin", &boxes.txt_yfin}};
    int values[5] = {};
    for (int i = 0; i < 5; ++i) {
        const std::optional<int> v = wholeBoxNumber(*named[i].second);
        if (!v) {
            why = notWhole(named[i].first);
            return std::nullopt;
        }
        values[i] = *v;
    }
    const int width = values[2] - values[1] + 1;
    const int height = values[4] - values[3] + 1;
    FullFrameSize size{values[0], width, height, kFrameModeFull};
    if (halfSize)
        size = {values[0], width / 2 + 1, height / 2 + 1, kFrameModeHalf};
    if (width < 1 || height < 1) {
        why = QStringLiteral("Frame not read: the window ends before it starts");
        return std::nullopt;
    }
    if (const std::optional<QString> refusal = frameSetupRefusal(FrameSetup{size.camera, {size.lines, size.pixels, 0}})) {
        why = *refusal;
        return std::nullopt;
    }
    return size;
}

QString fullFrameExportPath(const ProgramFolder& folder, int camera, const QDateTime& when, bool badFrame)
{
    return folder.path(QStringLiteral("bmp_exp/c%1_%2%3")
                           .arg(camera)
                           .arg(when.toString(QStringLiteral("yyyyMMddHHmmss")),
                                badFrame ? QStringLiteral("b.bmp") : QStringLiteral(".bmp")));
}

FullFrameShot takeFullFrame(LinkContext& ctx, const AdvancedFramePage& page, PictureCanvas& Picact,
                            const ProgramFolder& folder, const FullFrameChoices& choices, QRandomGenerator& random)
{
    FullFrameShot shot;
    QString why;
    const std::optional<FullFrameSize> size = fullFrameSize(page.boxes, choices.halfSize, why);
    if (!size) {
        ctx.console.setStatus(why);
        return shot;
    }
    page.boxes.txt_pix = QString::number(size->pixels);
    page.boxes.txt_lines = QString::number(size->lines);
    page.boxes.txtprogram = QString(QLatin1Char(size->mode));

    if (ctx.globals.dummyMode != 0) {
        fillDummyFrame(page.image, *size, random);
        page.view.showFrame(size->camera, size->lines, size->pixels);
    } else {
        const QByteArray request = makeFrameRequest(size->camera, size->mode)->toByteArray();
        if (ReadCameraFrameAdvanced(ctx, page, request).outcome != FrameReadOutcome::Read)
            return shot;
    }
    shot.taken = true;

    if (choices.cross)
        drawCross(Picact, *size);
    if (choices.exportBmp) {
        // Dummy frames are named by the last frame read from the instrument.
        const bool bad = ctx.console.lenRxColour() == kBadFrameLabel;
        const QString path = fullFrameExportPath(folder, size->camera, ctx.clock.now(), bad);
        if (ensureBmpExportFolder(folder) && Picact.saveBmp(path))
            shot.exportedFile = path;
        else
            ctx.console.setStatus(QStringLiteral("Frame not saved: ") + path);
    }
    return shot;
}

int runFullFrames(LinkContext& ctx, const AdvancedFramePage& page, PictureCanvas& Picact, const ProgramFolder& folder,
                  QRandomGenerator& random, const FullFrameLoop& loop)
{
    int taken = 0;
    for (;;) {
        if (takeFullFrame(ctx, page, Picact, folder, loop.choices(), random).taken)
            ++taken;
        if (loop.frameShown)
            loop.frameShown();
        if (loop.stopRequested || !loop.videoTicked())
            return taken;
        ctx.clock.sleepMs(kVideoPauseMs);
        loop.setCaption(QStringLiteral("Video=ON"));
        ctx.clock.processEvents();
        if (loop.betweenFrames)
            loop.betweenFrames();
        if (loop.stopRequested)
            return taken;
    }
}
