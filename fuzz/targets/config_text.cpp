// The text-file reader and field splitter every configuration file goes
// through, and the two number rules its fields are read by. Lines read and
// written read back the same; a field is never quoted; a field that is a
// number as a whole reads the same by the leading-number rule.
#include "FuzzFolder.h"

#include "core/Fields.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    const QString path = f.path(QStringLiteral("config/any.dat"));
    f.put(QStringLiteral("config/any.dat"), input);

    const std::optional<QStringList> lines = readTextFile(path);
    check(lines.has_value(), "unread");
    check(lines->size() <= input.count('\n') + 1, "more lines than line ends");
    check(writeTextFile(path, *lines), "write failed");
    check(readTextFile(path) == lines, "the written lines read back differently");

    for (const QString& line : *lines) {
        for (const QString& field : splitFields(line)) {
            check(!field.contains(QLatin1Char('"')), "a quote left in a field");
            if (const std::optional<double> v = strictNumberValue(field))
                check(std::isfinite(*v) && *v == textValue(field.trimmed()), "the number rules disagree");
        }
    }
    return 0;
}
