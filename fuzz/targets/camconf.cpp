// camconf.dat: any file gives six flags; written back they read the same.
#include "FuzzFolder.h"

#include "plate/files/CamConf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QString path = camConfPath(f.folder(), 0);
    FuzzFolder::writeBytes(path, inputBytes(data, size));
    const CameraFlags flags = ReadCamConf(path);
    check(WriteCamConf(path, flags), "write failed");
    check(ReadCamConf(path) == flags, "the written flags read back differently");
    return 0;
}
