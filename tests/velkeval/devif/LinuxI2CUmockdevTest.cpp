// The Linux I2C link through the system's own open and ioctl calls, on a bus
// /dev/i2c-1 that umockdev emulates (the test runs under umockdev's preload
// library). The emulated device hands each request to the fake kernel bus
// over the simulated board, so what the real calls carry is checked there.
#include <gtest/gtest.h>

#include <cerrno>

#include <linux/i2c-dev.h>
#include <linux/i2c.h>
#include <umockdev.h>

#include "FakeI2CBus.h"
#include "I2CBuses.h"
#include "LinkError.h"
#include "LinuxI2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "TempDir.h"

using namespace velk;

namespace {

struct EmulatedBus {
    FakeI2CBus& fake;
    int fd;
};

// Answers one request of the client with the fake bus, on local copies of
// the client's memory that go back to it when the request completes.
long Answer(EmulatedBus& bus, UMockdevIoctlClient* client, int& error)
{
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    if (request == I2C_FUNCS) {
        UMockdevIoctlData* functions = umockdev_ioctl_data_resolve(arg, 0, sizeof(unsigned long), nullptr);
        const int result = bus.fake.Ioctl(bus.fd, request, functions->data);
        umockdev_ioctl_data_update(functions, 0, functions->data, functions->data_len);
        return result;
    }
    if (request != I2C_RDWR) {
        error = ENOTTY;
        return -1;
    }
    UMockdevIoctlData* transfer = umockdev_ioctl_data_resolve(arg, 0, sizeof(i2c_rdwr_ioctl_data), nullptr);
    const uint32_t count = reinterpret_cast<i2c_rdwr_ioctl_data*>(transfer->data)->nmsgs;
    UMockdevIoctlData* messages =
        umockdev_ioctl_data_resolve(transfer, offsetof(i2c_rdwr_ioctl_data, msgs), count * sizeof(i2c_msg), nullptr);
    std::vector<i2c_msg> local(count);
    std::vector<UMockdevIoctlData*> buffers(count);
    for (uint32_t m = 0; m < count; ++m) {
        local[m] = reinterpret_cast<i2c_msg*>(messages->data)[m];
        buffers[m] = umockdev_ioctl_data_resolve(messages, m * sizeof(i2c_msg) + offsetof(i2c_msg, buf), local[m].len,
                                                 nullptr);
        local[m].buf = buffers[m]->data;
    }
    i2c_rdwr_ioctl_data localTransfer{local.data(), count};
    const int result = bus.fake.Ioctl(bus.fd, I2C_RDWR, &localTransfer);
    error = errno;
    for (uint32_t m = 0; m < count; ++m)
        if (local[m].flags & I2C_M_RD) umockdev_ioctl_data_update(buffers[m], 0, buffers[m]->data, local[m].len);
    return result;
}

gboolean HandleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer busPointer)
{
    int error = 0;
    const long result = Answer(*static_cast<EmulatedBus*>(busPointer), client, error);
    umockdev_ioctl_client_complete(client, result, result < 0 ? error : 0);
    return TRUE;
}

}  // namespace

TEST(UmockdevI2CBus, TheSystemCallsOfTheLinkReachTheEmulatedBus)
{
    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    FakeI2CBus fake{ports.board(), 1};
    EmulatedBus bus{fake, fake.Open("/dev/i2c-1")};

    UMockdevTestbed* testbed = umockdev_testbed_new();
    UMockdevIoctlBase* handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(HandleIoctl), &bus);
    // The device node exists only once the handler is attached.
    ASSERT_TRUE(umockdev_testbed_attach_ioctl(testbed, "/dev/i2c-1", handler, nullptr));
    ASSERT_TRUE(umockdev_testbed_add_from_string(
        testbed, "P: /devices/i2c-1\nN: i2c-1\nE: SUBSYSTEM=i2c-dev\nE: DEVNAME=/dev/i2c-1\nA: name=Emulated adapter\\n\n",
        nullptr));

    const auto buses = ListI2CBuses();
    ASSERT_EQ(buses.size(), 1u);
    EXPECT_EQ(I2CBusCaption(buses[0]), "i2c-1: Emulated adapter");

    {
        ScriptedDialogs dialogs;
        LinuxI2CDevInterface link(dialogs, SystemI2CDev());
        link.Configure("I2CBUS", int64_t{1});
        ASSERT_TRUE(link.Connect(0x98));
        link.WriteByte(5, 0x77);
        EXPECT_EQ(ports.board().Registers(0x4C)[5], 0x77);
        std::vector<int16_t> values(3);
        link.ReadBytes(4, values);
        EXPECT_EQ(values, (std::vector<int16_t>{0, 0x77, 0}));
        ASSERT_EQ(fake.calls().back().messages.size(), 2u);
        EXPECT_EQ(fake.calls().back().messages[1].flags, I2C_M_RD);

        ports.board().SetAnswering(portio::AnsweringSet().set(0x50));
        try {
            link.ReadByte(5);
            ADD_FAILURE() << "a chip that does not answer was read";
        } catch (const LinkError& error) {
            EXPECT_STREQ(error.what(), "ReadByte: no acknowledge from 0x4C on /dev/i2c-1 (No such device or address)");
        }
    }
    g_object_unref(handler);
    g_object_unref(testbed);
}
