// ParserCore against expat on the readable .xml files under /usr/share: both
// must see the same elements (raw names), the same attributes written in the
// document (values without white space) and the same non-white-space text.
// Namespace processing is off on our side and not asked of expat; expat
// reports specified attributes only, not defaults from a DTD.
#include <gtest/gtest.h>
#include <expat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ContentSink.h"
#include "FileByteSource.h"
#include "ParserCore.h"
#include "Utf16.h"

namespace {

constexpr size_t kMaxFiles = 2000;  // sorted, then capped, so the run stays short
constexpr uintmax_t kMaxFileSize = 16u << 20;

// What both parsers are reduced to.
struct Digest {
    std::string structure;  // "<name a=v ...>" and "</name>", attribute values without white space
    std::string text;       // all character data without white space
};

void AppendWithoutWhiteSpace(std::string& out, std::string_view text)
{
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') out += c;
}

void AppendStartTag(Digest& digest, std::string_view name, const std::vector<std::pair<std::string, std::string>>& attributes)
{
    digest.structure.append("<").append(name);
    for (const auto& [attributeName, value] : attributes) {
        digest.structure.append(" ").append(attributeName).append("=");
        AppendWithoutWhiteSpace(digest.structure, value);
    }
    digest.structure += ">";
}

struct ExpatRun {
    XML_Parser parser;
    Digest digest;
};

// expat's view, or nothing when expat refuses the file.
std::optional<Digest> ExpatDigest(const std::string& bytes)
{
    ExpatRun run{XML_ParserCreate(nullptr), {}};
    XML_SetUserData(run.parser, &run);
    XML_SetElementHandler(
        run.parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& r = *static_cast<ExpatRun*>(data);
            // The first 2 * specified entries are the attributes written in the document.
            const int specified = XML_GetSpecifiedAttributeCount(r.parser);
            std::vector<std::pair<std::string, std::string>> written;
            for (int i = 0; i < specified; i += 2) written.emplace_back(attributes[i], attributes[i + 1]);
            AppendStartTag(r.digest, name, written);
        },
        [](void* data, const XML_Char* name) {
            static_cast<ExpatRun*>(data)->digest.structure.append("</").append(name).append(">");
        });
    XML_SetCharacterDataHandler(run.parser, [](void* data, const XML_Char* text, int length) {
        AppendWithoutWhiteSpace(static_cast<ExpatRun*>(data)->digest.text,
                                std::string_view(text, static_cast<size_t>(length)));
    });
    const bool accepted = XML_Parse(run.parser, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(run.parser);
    if (!accepted) return std::nullopt;
    return run.digest;
}

class DigestSink final : public sax::ContentSink {
public:
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view rawName,
                      sax::AttributeList attributes) override
    {
        std::vector<std::pair<std::string, std::string>> written;
        for (const sax::Attribute& a : attributes) written.emplace_back(saxtest::Utf8(a.rawName), saxtest::Utf8(a.value));
        AppendStartTag(digest, saxtest::Utf8(rawName), written);
    }
    void endElement(std::u16string_view, std::u16string_view, std::u16string_view rawName) override
    {
        digest.structure.append("</").append(saxtest::Utf8(rawName)).append(">");
    }
    void characters(std::u16string_view text, int32_t, int32_t) override
    {
        AppendWithoutWhiteSpace(digest.text, saxtest::Utf8(text));
    }
    Digest digest;
};

struct OurRun {
    bool succeeded = false;
    std::string message;
    int32_t line = 0;
    int32_t column = 0;
    Digest digest;
};

// Read from the file in chunks, as the reader's parseFile will.
OurRun ParserCoreDigest(const std::filesystem::path& path)
{
    sax::ParserCore parser;
    parser.setFeature(sax::ParserSettings::kNamespacesFeature, false);
    DigestSink sink;
    parser.setContentSink(&sink);
    sax::FileByteSource source(path.string());
    OurRun run;
    try {
        parser.parse(source, false);
        run.succeeded = true;
    } catch (const sax::CSAXParseException& error) {
        run.message = saxtest::Utf8(error.message());
        run.line = error.line();
        run.column = error.column();
    }
    run.digest = std::move(sink.digest);
    return run;
}

// Our own rules that knowingly differ from expat, each recognised in the file:
// - "<?xml" at the very start must be an XML declaration, so a document that
//   opens with "<?xml-stylesheet ...?>" (or any longer target) is refused;
// - a PI target is followed by "?>" or exactly one space, not a tab or line break.
std::optional<std::string> DeliberateDivergence(const std::string& bytes)
{
    if (bytes.size() > 5 && bytes.compare(0, 5, "<?xml") == 0 && bytes[5] != ' ' && bytes[5] != '\t' &&
        bytes[5] != '\n' && bytes[5] != '\r')
        return "opens with a PI whose target starts with xml";
    const auto isNameByte = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("-._:").find(c) != std::string_view::npos;
    };
    for (size_t at = bytes.find("<?"); at != std::string::npos; at = bytes.find("<?", at + 2)) {
        size_t end = at + 2;
        while (end < bytes.size() && isNameByte(bytes[end])) ++end;
        if (end > at + 2 && end < bytes.size() && (bytes[end] == '\t' || bytes[end] == '\r' || bytes[end] == '\n'))
            return "a PI target followed by a tab or line break";
    }
    return std::nullopt;
}

// Characters beyond U+FFFF come out as UTF-8 sequences of four bytes.
bool BeyondSixteenBits(const Digest& digest)
{
    const auto fourByteLead = [](char c) { return static_cast<unsigned char>(c) >= 0xF0; };
    return std::any_of(digest.structure.begin(), digest.structure.end(), fourByteLead) ||
           std::any_of(digest.text.begin(), digest.text.end(), fourByteLead);
}

// Where two digests part, with a little context.
std::string FirstDifference(const std::string& ours, const std::string& theirs)
{
    const size_t at = static_cast<size_t>(std::mismatch(ours.begin(), ours.begin() + std::min(ours.size(), theirs.size()),
                                                        theirs.begin()).first - ours.begin());
    const size_t from = at > 40 ? at - 40 : 0;
    return "ours ..." + ours.substr(from, 100) + "... expat ..." + theirs.substr(from, 100) + "...";
}

std::vector<std::filesystem::path> XmlFilesUnderUsrShare()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (std::filesystem::recursive_directory_iterator it("/usr/share", options, error), end; it != end;
         it.increment(error)) {
        if (error) continue;
        std::error_code fileError;
        if (it->path().extension() == ".xml" && it->is_regular_file(fileError) &&
            it->file_size(fileError) <= kMaxFileSize && !fileError)
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    if (files.size() > kMaxFiles) files.resize(kMaxFiles);
    return files;
}

}  // namespace

TEST(ExpatDifferential, ParserCoreAgreesWithExpatOnInstalledXmlFiles)
{
    const std::vector<std::filesystem::path> files = XmlFilesUnderUsrShare();
    ASSERT_GT(files.size(), 10u) << "too few .xml files under /usr/share (install iso-codes and shared-mime-info)";

    size_t unreadable = 0, refusedByExpat = 0, beyondSixteenBits = 0, deliberate = 0, agreed = 0;
    std::vector<std::string> divergences;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            ++unreadable;
            continue;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const std::optional<Digest> theirs = ExpatDigest(bytes);
        if (!theirs) {
            ++refusedByExpat;
            continue;
        }
        if (BeyondSixteenBits(*theirs)) {
            ++beyondSixteenBits;
            continue;
        }
        const OurRun ours = ParserCoreDigest(path);
        if (ours.succeeded && ours.digest.structure == theirs->structure && ours.digest.text == theirs->text) {
            ++agreed;
            continue;
        }
        const std::optional<std::string> rule = ours.succeeded ? std::nullopt : DeliberateDivergence(bytes);
        if (rule) ++deliberate;
        std::string report = path.string() + ": ";
        if (rule)
            report += "deliberate (" + *rule + "): ";
        if (!ours.succeeded)
            report += "ParserCore failed at " + std::to_string(ours.line) + ":" + std::to_string(ours.column) + " \"" +
                      ours.message + "\"";
        else if (ours.digest.structure != theirs->structure)
            report += "structure differs: " + FirstDifference(ours.digest.structure, theirs->structure);
        else
            report += "text differs: " + FirstDifference(ours.digest.text, theirs->text);
        divergences.push_back(report);
    }

    const size_t compared = files.size() - unreadable - refusedByExpat - beyondSixteenBits;
    const size_t judged = compared - deliberate;
    const double share = judged ? static_cast<double>(agreed) / static_cast<double>(judged) : 1.0;
    std::cout << files.size() << " files: " << compared << " compared, " << agreed << " agree, " << deliberate
              << " deliberate divergences, " << divergences.size() - deliberate << " other divergences; skipped "
              << refusedByExpat << " refused by expat, " << beyondSixteenBits << " beyond U+FFFF, " << unreadable
              << " unreadable; agreement " << share * 100 << "%\n";
    for (const std::string& divergence : divergences) std::cout << "  " << divergence << "\n";
    EXPECT_GT(compared, 10u) << "too few files to judge";
    EXPECT_GE(share, 0.99);
}
