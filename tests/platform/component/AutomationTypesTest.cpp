#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <vector>

#include "BStr.h"
#include "ComPtr.h"
#include "DispatchHelpers.h"
#include "RefCounted.h"
#include "Variant.h"

namespace {

TEST(BStr, CountsUnitsKeepsEmbeddedZerosAndTreatsNullAsEmpty)
{
    BSTR text = SysAllocStringLen(u"a\0b", 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 3u);
    EXPECT_EQ(BStrView(text), std::u16string_view(u"a\0b", 3));
    EXPECT_EQ(text[3], u'\0');
    uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<char*>(text) - 4, 4);
    EXPECT_EQ(bytes, 6u);  // the prefix counts bytes
    SysFreeString(text);

    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(BStrView(nullptr), u"");
    EXPECT_EQ(SysAllocString(static_cast<const OLECHAR*>(nullptr)), nullptr);
    SysFreeString(nullptr);
}

TEST(BStr, FreedStringsComeBackWithTheirNewLengthAndText)
{
    // Lengths on both sides of every size-class boundary, allocated and freed twice so that blocks are reused.
    for (int round = 0; round < 2; ++round) {
        std::vector<BSTR> texts;
        for (uint32_t length = 0; length < 200; ++length) {
            std::u16string text(length, static_cast<char16_t>(u'a' + length % 26));
            texts.push_back(SysAllocString(text));
            ASSERT_NE(texts.back(), nullptr);
            EXPECT_EQ(BStrView(texts.back()), text);
            EXPECT_EQ(texts.back()[length], u'\0');
        }
        for (BSTR text : texts) SysFreeString(text);
    }
}

TEST(BStr, ThreadsNeverShareABlockAndMayFreeEachOthersStrings)
{
    // Each thread holds more strings of one size than its cache keeps, frees them, takes them again, and hands
    // some to the main thread to free after the thread has ended (and its cache with it).
    constexpr int kThreads = 4;
    constexpr int kHeld = 40;
    std::vector<std::vector<BSTR>> leftovers(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &leftovers] {
            for (int round = 0; round < 3; ++round) {
                std::vector<BSTR> held;
                for (int i = 0; i < kHeld; ++i) {
                    const std::u16string text = u"t" + std::u16string(1, static_cast<char16_t>(u'0' + t)) +
                                                std::u16string(1, static_cast<char16_t>(u'A' + i));
                    held.push_back(SysAllocString(text));
                }
                for (int i = 0; i < kHeld; ++i) {
                    EXPECT_EQ(BStrView(held[i]).size(), 3u);
                    EXPECT_EQ(held[i][1], static_cast<char16_t>(u'0' + t));
                    EXPECT_EQ(held[i][2], static_cast<char16_t>(u'A' + i));  // no block handed out twice
                }
                if (round == 2) {
                    leftovers[t].assign(held.begin(), held.begin() + kHeld / 2);
                    held.erase(held.begin(), held.begin() + kHeld / 2);
                }
                for (BSTR text : held) SysFreeString(text);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const auto& strings : leftovers) {
        for (BSTR text : strings) {
            EXPECT_EQ(BStrView(text).size(), 3u);
            SysFreeString(text);
        }
    }
    BStr again(u"abc");
    EXPECT_EQ(again.view(), u"abc");
}

// The inline paths (SysAllocString of a view, BStrFree) and the runtime's
// own functions share one cache: a string from either may be freed by the other.
TEST(BStr, CachedStringsServeEveryLengthOfTheirClassAndMixWithTheRuntimeFunctions)
{
    for (uint32_t length = 0; length < 140; ++length) {
        const std::u16string first(length, u'x');
        BSTR text = SysAllocString(first);
        ASSERT_NE(text, nullptr);
        BStrFree(text);
        // Shorter, longer and equal lengths in the same class, after the free above put a string on its shelf.
        for (uint32_t other : {length - length % 8, length, length | 7u}) {
            std::u16string second(other, u'\0');
            for (uint32_t i = 0; i < other; ++i) second[i] = static_cast<char16_t>(u'a' + (i * 7 + other) % 26);
            BSTR again = SysAllocString(second);
            ASSERT_NE(again, nullptr);
#if !defined(__SANITIZE_ADDRESS__)
            if (length < 128) {
                EXPECT_EQ(again, text) << length << " then " << other;  // the freed string came back
            }
#endif
            EXPECT_EQ(SysStringLen(again), other);
            EXPECT_EQ(BStrView(again), second);
            EXPECT_EQ(again[other], u'\0');
            if (other % 2)
                SysFreeString(again);
            else
                BStrFree(again);
            text = again;
        }
    }
    BSTR fromRuntime = SysAllocStringLen(u"runtime", 7);
    BStrFree(fromRuntime);
    BSTR inlineOne = SysAllocString(std::u16string_view(u"inline!"));
    EXPECT_EQ(BStrView(inlineOne), u"inline!");
    SysFreeString(inlineOne);
    BStrFree(nullptr);
}

TEST(BStr, ShortCopiesReadNothingPastTheEndOfTheirText)
{
    // Text that ends where an unreadable page begins: a copy that reads ahead faults.
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* pages = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    ASSERT_EQ(mprotect(static_cast<char*>(pages) + page, page, PROT_NONE), 0);
    auto* end = reinterpret_cast<char16_t*>(static_cast<char*>(pages) + page);
    for (size_t length = 0; length < 140; ++length) {
        char16_t* begin = end - length;
        for (size_t i = 0; i < length; ++i) begin[i] = static_cast<char16_t>(u'A' + i % 26);
        for (int round = 0; round < 2; ++round) {  // the first may come from malloc, the second from the cache
            BSTR text = SysAllocString(std::u16string_view(begin, length));
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(BStrView(text), std::u16string_view(begin, length));
            BStrFree(text);
        }
    }
    munmap(pages, 2 * page);
}

TEST(BStr, InlineFreesOnAnotherThreadAndAfterTheAllocatingThreadHasEnded)
{
    // Strings made on one thread and freed inline on another, some after the first has ended; and the
    // reverse, while the freeing thread's cache fills past its limit.
    std::vector<BSTR> made;
    std::thread maker([&made] {
        for (int i = 0; i < 100; ++i) made.push_back(SysAllocString(std::u16string(static_cast<size_t>(i % 20), u'm')));
    });
    maker.join();
    std::thread freer([&made] {
        for (size_t i = 0; i < made.size(); i += 2) {
            EXPECT_EQ(SysStringLen(made[i]), i % 20);
            BStrFree(made[i]);
        }
    });
    freer.join();
    for (size_t i = 1; i < made.size(); i += 2) {
        EXPECT_EQ(BStrView(made[i]), std::u16string(i % 20, u'm'));
        BStrFree(made[i]);
    }
}

TEST(BStr, StringsLongerThanTheCachedClassesGoToTheHeap)
{
    for (size_t length : {127u, 128u, 129u, 1000u, 70000u}) {
        const std::u16string text(length, u'L');
        BSTR first = SysAllocString(text);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(SysStringLen(first), length);
        EXPECT_EQ(first[length], u'\0');
        BStrFree(first);
        BStr owned(text);
        EXPECT_EQ(owned.view(), text);
    }
}

TEST(BStr, ReusedBufferLendsAValidStringEachTime)
{
    BStrBuffer buffer;
    BSTR first = buffer.assign(u"longer text");
    EXPECT_EQ(BStrView(first), u"longer text");
    BSTR second = buffer.assign(u"");
    EXPECT_EQ(SysStringLen(second), 0u);
    EXPECT_EQ(second[0], u'\0');
    EXPECT_EQ(BStrView(buffer.assign(u"xy")), u"xy");
}

// Counts its own destruction, to show that references are given back.
class Probe final : public RefCounted<IUnknown> {
public:
    explicit Probe(int& destroyed) : destroyed_(destroyed) {}
    ~Probe() override { ++destroyed_; }
    HRESULT QueryInterface(const IID&, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }

private:
    int& destroyed_;
};

TEST(Variant, ClearFreesTheStringAndReleasesTheObject)
{
    int destroyed = 0;
    {
        auto probe = ComPtr<IUnknown>::adopt(new Probe(destroyed));
        Variant object = Variant::Object(probe.get());
        EXPECT_EQ(object.get().vt, VT_UNKNOWN);
        probe = nullptr;
        EXPECT_EQ(destroyed, 0);  // the variant still holds it
        Variant text = Variant::Text(u"abc");
        EXPECT_EQ(BStrView(text.get().bstrVal), u"abc");
        VariantClear(&text.get());
        EXPECT_EQ(text.get().vt, VT_EMPTY);
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Variant::Boolean(true).get().boolVal, VARIANT_TRUE);
    EXPECT_EQ(VARIANT_TRUE, -1);
}

TEST(DispatchArguments, ReadsInSignatureOrderFromTheReversedArray)
{
    // A member (text, number, flag): DISPPARAMS holds flag, number, text.
    Variant flag = Variant::Boolean(true);
    Variant number = Variant::Int32(42);
    Variant text = Variant::Text(u"first");
    VARIANT args[3] = {flag.get(), number.get(), text.get()};
    DISPPARAMS params{args, nullptr, 3, 0};
    UINT wrong = 99;
    const DispatchArguments reader(&params, &wrong);

    ASSERT_EQ(reader.expect(3), S_OK);
    EXPECT_EQ(reader.expect(2), DISP_E_BADPARAMCOUNT);
    BSTR first = nullptr;
    int32_t second = 0;
    VARIANT_BOOL third = VARIANT_FALSE;
    EXPECT_EQ(reader.text(0, first), S_OK);
    EXPECT_EQ(BStrView(first), u"first");
    EXPECT_EQ(reader.int32(1, second), S_OK);
    EXPECT_EQ(second, 42);
    EXPECT_EQ(reader.boolean(2, third), S_OK);
    EXPECT_EQ(third, VARIANT_TRUE);

    EXPECT_EQ(reader.text(1, first), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(wrong, 1u);  // the number's place in rgvarg
    EXPECT_EQ(reader.int32(0, second), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(wrong, 2u);

    DISPID named = 0;
    DISPPARAMS withNames{args, &named, 3, 1};
    EXPECT_EQ(DispatchArguments(&withNames, nullptr).expect(3), DISP_E_NONAMEDARGS);
    EXPECT_EQ(DispatchArguments(nullptr, nullptr).expect(0), S_OK);
}

TEST(DispatchNames, FindsMembersWithoutRegardToCase)
{
    constexpr DispatchName table[] = {{u"getLength", 1}, {u"getValue", 2}};
    char16_t upper[] = u"GETVALUE";
    char16_t unknown[] = u"getNothing";
    char16_t argument[] = u"iIndex";
    LPOLESTR names[] = {upper, argument};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(LookUpDispatchNames(table, names, 1, ids), S_OK);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(LookUpDispatchNames(table, names, 2, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    names[0] = unknown;
    EXPECT_EQ(LookUpDispatchNames(table, names, 1, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
}

}  // namespace
