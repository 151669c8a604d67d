#include <gtest/gtest.h>

#include <fstream>

#include "AddressList.h"
#include "PortSelection.h"
#include "SimBoard.h"
#include "TempDir.h"

using namespace portio;

TEST(PortSelection, AutoWithoutAPortGoesToTheBoardAndSaysWhy)
{
    TempDir dir;
    std::ofstream(dir.file("ioports")) << "0000-001f : dma1\n0060-0060 : keyboard\n";
    PortOptions options;
    options.deviceDir = dir.file("dev");  // no parport devices there
    options.ioportsPath = dir.file("ioports");
    options.boardPath = dir.file("board");
    options.answering = AnsweringSet().set(0x4C);

    OpenedPorts opened = OpenPorts(options);
    EXPECT_NE(opened.note.find(dir.file("dev") + "/parport0: No such file or directory"), std::string::npos)
        << opened.note;
    EXPECT_NE(opened.note.find("no parallel port listed"), std::string::npos) << opened.note;
    EXPECT_NE(opened.note.find(options.boardPath), std::string::npos) << opened.note;

    opened.ports->Out2(888, 0x1D);  // lands on the board, not on port 0x378
    SimBoard board(options.boardPath);
    EXPECT_EQ(board.In(888), 0x1D);
    EXPECT_EQ(board.Answering(), AnsweringSet().set(0x4C));
}

TEST(PortSelection, NamedBackendsAndTheirFailures)
{
    TempDir dir;
    PortOptions options;
    options.backend = Backend::Null;
    OpenedPorts null = OpenPorts(options);
    EXPECT_NE(null.note.find("null"), std::string::npos);
    EXPECT_EQ(null.ports->Inp2(889), 0xFF);

    options.backend = Backend::Ppdev;
    options.deviceDir = dir.file("dev");
    EXPECT_THROW(OpenPorts(options), PortError);

    options.backend = Backend::Sim;
    options.boardPath = dir.file("board");
    options.tracePath = dir.file("no-folder/trace.vcd");
    EXPECT_THROW(OpenPorts(options), PortError);

    EXPECT_EQ(ParseBackend(""), Backend::Auto);
    EXPECT_EQ(ParseBackend("sim"), Backend::Sim);
    EXPECT_THROW(ParseBackend("SIM"), PortError);
    EXPECT_THROW(ParseBackend("lpt"), PortError);
}

TEST(PortSelection, AnsweringAddressLists)
{
    EXPECT_EQ(ParseAddressList("0x4C, 80\t0x7f"), AnsweringSet().set(0x4C).set(80).set(0x7F));
    EXPECT_TRUE(ParseAddressList(" all ").all());
    EXPECT_TRUE(ParseAddressList("").none());
    EXPECT_THROW(ParseAddressList("0x98"), PortError);  // an 8-bit write address, not a 7-bit one
    EXPECT_THROW(ParseAddressList("0x4C,chip"), PortError);
    EXPECT_THROW(ParseAddressList("all 0x4C"), PortError);
    EXPECT_THROW(ParseAddressList("-1"), PortError);
}
