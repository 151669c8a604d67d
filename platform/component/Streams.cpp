#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "RefCounted.h"
#include "Stream.h"

namespace {

// What both read-only streams share: the interfaces they answer and the refusal to write.
class ReadOnlyStream : public RefCounted<IStream> {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
            AddRef();
            *object = static_cast<IStream*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT Write(const void*, ULONG, ULONG* written) override
    {
        if (written) *written = 0;
        return E_NOTIMPL;
    }
};

class DescriptorStream final : public ReadOnlyStream {
public:
    explicit DescriptorStream(int descriptor) : descriptor_(descriptor) {}

    HRESULT Read(void* buffer, ULONG count, ULONG* read) override
    {
        ULONG total = 0;
        while (total < count) {
            const ssize_t got = ::read(descriptor_, static_cast<char*>(buffer) + total, count - total);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                if (read) *read = total;
                return E_FAIL;
            }
            if (got == 0) break;
            total += static_cast<ULONG>(got);
        }
        if (read) *read = total;
        return total == count ? S_OK : S_FALSE;
    }

private:
    int descriptor_;
};

class BytesStream final : public ReadOnlyStream {
public:
    explicit BytesStream(std::string bytes) : bytes_(std::move(bytes)) {}

    HRESULT Read(void* buffer, ULONG count, ULONG* read) override
    {
        const size_t n = std::min<size_t>(count, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        if (read) *read = static_cast<ULONG>(n);
        return n == count ? S_OK : S_FALSE;
    }

private:
    std::string bytes_;
    size_t offset_ = 0;
};

}  // namespace

IStream* CreateStreamOnDescriptor(int descriptor) { return new (std::nothrow) DescriptorStream(descriptor); }

IStream* CreateStreamOnBytes(std::string bytes) { return new (std::nothrow) BytesStream(std::move(bytes)); }
