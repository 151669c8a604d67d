#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "OfferInterface.h"
#include "RefCounted.h"
#include "Stream.h"

namespace {

// What both read-only streams share: the interfaces they answer and the refusal to write.
class ReadOnlyStream : public RefCounted<IStream> {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<IStream>(this, iid, object, {IID_IUnknown, IID_ISequentialStream, IID_IStream});
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
    explicit BytesStream(std::string owned) : owned_(std::move(owned)), bytes_(owned_) {}
    explicit BytesStream(std::string_view borrowed) : bytes_(borrowed) {}

    HRESULT Read(void* buffer, ULONG count, ULONG* read) override
    {
        const size_t n = std::min<size_t>(count, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        if (read) *read = static_cast<ULONG>(n);
        return n == count ? S_OK : S_FALSE;
    }

private:
    std::string owned_;
    std::string_view bytes_;
    size_t offset_ = 0;
};

}  // namespace

IStream* CreateStreamOnDescriptor(int descriptor) { return new (std::nothrow) DescriptorStream(descriptor); }

IStream* CreateStreamOnBytes(std::string bytes) { return new (std::nothrow) BytesStream(std::move(bytes)); }

IStream* CreateStreamOnBorrowedBytes(std::string_view bytes) { return new (std::nothrow) BytesStream(bytes); }
