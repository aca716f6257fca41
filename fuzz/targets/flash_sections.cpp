// The flash section decoders, from the joined page bytes of a section: the
// name and check byte test, the data and the blank lapse. Any data packed
// into a section's image decodes back to itself.
#include "FuzzFolder.h"

#include "flash/FlashLayout.h"

namespace {

std::vector<FlashSection> everySection()
{
    std::vector<FlashSection> all = wellFormatSections();
    for (const auto* list : {&intFactorSections(), &blankSections()})
        all.insert(all.end(), list->begin(), list->end());
    all.push_back(tempFactorSection());
    all.push_back(ledXySection());
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<FlashSection> sections = everySection();
    const QByteArray joined = inputBytes(data, size);
    for (const FlashSection& s : sections) {
        if (isValidFlashSection(joined, s.name))
            check(joined.startsWith(s.name), "a section taken without its name");
        (void)flashSectionData(joined);
        if (const auto lapse = flashBlankLapse(joined))
            check(lapse->size() < kFlashNameLineBytes, "lapse longer than the name line");

        const QByteArray packed = joined.left(s.dataCapacity());
        const QByteArray image = flashSectionImage(s, packed);
        check(image.size() == s.byteCount(), "image not the section's size");
        check(isValidFlashSection(image, s.name), "a packed image fails its own check");
        check(flashSectionData(image).startsWith(packed), "the image's data is not what was packed");
    }
    return 0;
}
