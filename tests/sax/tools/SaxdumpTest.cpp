#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ScopedEnvironment.h"
#include "TempDir.h"

namespace {

struct Outcome {
    int status;
    std::string output;
};

class Saxdump : public ::testing::Test {
protected:
    // Runs a saxdump (the built one unless `program` is given) with a shell redirection allowed in `arguments`.
    Outcome run(const std::string& arguments, const std::string& program = SAXDUMP)
    {
        const std::string command = program + " " + arguments + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        Outcome result{-1, {}};
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) result.output.append(chunk, n);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }
    std::string document(const std::string& name, const std::string& text)
    {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    TempDir dir;
    // A fresh build: nothing registered, no search folder but the program's own.
    std::string registry = dir.file("registry");
    ScopedEnvironment file{"VELK_COMPONENT_REGISTRY", registry.c_str()};
    ScopedEnvironment noSearch{"VELK_COMPONENT_PATH", nullptr};
};

const std::string kExampleEvents =
    "{\"event\":\"setLocator\"}\n"
    "{\"event\":\"startDocument\"}\n"
    "{\"event\":\"processingInstruction\",\"target\":\"xml\",\"data\":\"version='1.0'\"}\n"
    "{\"event\":\"startElement\",\"uri\":\"\",\"local\":\"a\",\"raw\":\"a\",\"attrs\":[{\"uri\":\"\",\"local\":\"x\","
    "\"raw\":\"x\",\"value\":\"1\"}]}\n"
    "{\"event\":\"characters\",\"text\":\"hi\"}\n"
    "{\"event\":\"startElement\",\"uri\":\"\",\"local\":\"b\",\"raw\":\"b\",\"attrs\":[]}\n"
    "{\"event\":\"endElement\",\"uri\":\"\",\"local\":\"b\",\"raw\":\"b\"}\n"
    "{\"event\":\"endElement\",\"uri\":\"\",\"local\":\"a\",\"raw\":\"a\"}\n"
    "{\"event\":\"endDocument\"}\n";

TEST_F(Saxdump, PrintsTheEventsOfAFreshBuildThroughEitherInterfaceAndInput)
{
    const std::string path = document("example.xml", "<?xml version='1.0'?>\n<a x=\"1\">hi<b/></a>");
    for (const std::string& arguments : {path, "--vtable " + path, "< " + path, "--vtable - < " + path, "--progid " + path,
                                         "--progid=SAX2.XMLReaderEx.1 " + path}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_EQ(result.output, kExampleEvents) << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(registry));
}

TEST_F(Saxdump, EndsWithTheErrorAndStatusOneWhenTheParseFails)
{
    const Outcome broken = run("< " + document("broken.xml", "<a>\n<b>\"text\\</a>"));
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.output.substr(broken.output.rfind("{\"event\":\"characters\"")),
              "{\"event\":\"characters\",\"text\":\"\\\"text\\\\\"}\n"
              "{\"event\":\"error\",\"message\":\"End tag does not match start tag\",\"line\":2,\"column\":14}\n");

    const Outcome missing = run(dir.file("missing.xml"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, "{\"event\":\"error\",\"message\":\"Unable to open input file\",\"line\":0,\"column\":0}\n");
}

TEST_F(Saxdump, AppliesPropertiesAndFeaturesToTheParse)
{
    const std::string path = document("ns.xml", "<p:a xmlns:p='u'>\n <![CDATA[c]]></p:a>");
    const Outcome plain = run(path);
    EXPECT_NE(plain.output.find("{\"event\":\"startPrefixMapping\",\"prefix\":\"p\",\"uri\":\"u\"}"), std::string::npos);
    EXPECT_NE(plain.output.find("{\"event\":\"characters\",\"text\":\"c\"}"), std::string::npos);

    const Outcome set = run("--feature http://xml.org/sax/features/namespaces=0 --property ExpandCDATAIntoText=No "
                        "--property PreserveSpace=Yes " + path);
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.output.find("startPrefixMapping"), std::string::npos);
    EXPECT_NE(set.output.find("{\"event\":\"cdata\",\"text\":\"c\"}"), std::string::npos);
    EXPECT_NE(set.output.find("{\"event\":\"characters\",\"text\":\"\\n \"}"), std::string::npos);

    EXPECT_EQ(run("--property Unknown=Yes " + path).status, 64);
    EXPECT_EQ(run("--feature http://xml.org/sax/features/namespaces=2 " + path).status, 64);
    EXPECT_EQ(run("--bogus " + path).status, 64);
}

TEST_F(Saxdump, StatusTwoWhenTheComponentCannotBeCreated)
{
    EXPECT_EQ(run("--progid=No.Such.Class " + document("a.xml", "<a/>")).status, 2);
    // A copy of the program in a folder without the component, nothing registered.
    const std::string lonely = dir.file("saxdump");
    std::filesystem::copy_file(SAXDUMP, lonely);
    const Outcome result = run(document("b.xml", "<a/>"), lonely);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
}

}  // namespace
