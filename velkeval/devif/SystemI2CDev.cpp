#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "I2CDevSystem.h"

namespace velk {
namespace {

class KernelI2CDev : public I2CDevSystem {
public:
    int Open(const std::string& path) override { return ::open(path.c_str(), O_RDWR | O_CLOEXEC); }
    int Ioctl(int fd, unsigned long request, void* argument) override { return ::ioctl(fd, request, argument); }
    int Close(int fd) override { return ::close(fd); }
};

}  // namespace

I2CDevSystem& SystemI2CDev()
{
    static KernelI2CDev system;
    return system;
}

}  // namespace velk
