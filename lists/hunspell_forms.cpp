// unmunch over-generates (it ignores NEEDAFFIX, ONLYINCOMPOUND and FORBIDDENWORD, and matches affix
// conditions byte by byte, which UTF-8 letters defeat), so every form that could reach a list is
// put to libhunspell with the same dictionary before it is filed.
#include "lists/hunspell_forms.h"

#include <iconv.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <hunspell.hxx>
#include <optional>
#include <stdexcept>

#include "lists/child_process.h"
#include "lists/list_builder.h"
#include "lists/list_editor.h"
#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSystemDictionaries = "/usr/share/hunspell";

// A private folder under the temporary folder, removed with all it holds.
class CScratchFolder {
public:
    CScratchFolder() {
        std::string path = (fs::temp_directory_path() / "escartinol-hunspell-XXXXXX").string();
        if (!mkdtemp(path.data())) throw std::runtime_error("cannot create a temporary folder in " + path);
        m_path = path;
    }
    ~CScratchFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// The dictionary's path without extension; a .dic or .aff given by mistake is dropped.
fs::path DictionaryBase(const std::string& dictionary) {
    fs::path base =
        dictionary.find('/') == std::string::npos ? fs::path(kSystemDictionaries) / dictionary : fs::path(dictionary);
    if (base.extension() == ".dic" || base.extension() == ".aff") base.replace_extension();
    return fs::absolute(base);
}

// A copy of the .dic with only "stem/flags" on each line. unmunch looks for a flag anywhere after
// the slash, so the morphological fields that follow ("po:adj") would add the affixes of every
// letter they hold.
std::string WriteStemsAndFlags(const fs::path& dic, const fs::path& copy) {
    std::ifstream in(dic, std::ios::binary);
    if (!in) return "cannot read " + dic.string();
    std::ofstream out(copy, std::ios::binary);
    std::string line;
    for (bool first = true; std::getline(in, line); first = false) {
        if (const std::size_t fields = line.find_first_of("\t "); !first && fields != std::string::npos)
            line.erase(fields);
        if (!line.empty()) out << line << '\n';
    }
    out.close();
    if (!out) return "cannot write " + copy.string();
    return {};
}

// A conversion between two encodings iconv knows (e.g. "UTF-8", "ISO8859-15"), so that any
// encoding a dictionary declares can be read with the system's own tables.
class CTextConverter {
public:
    // Throws std::runtime_error when iconv has no such conversion.
    CTextConverter(const std::string& to, const std::string& from) : m_cd(iconv_open(to.c_str(), from.c_str())) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert " + from + " to " + to);
    }
    ~CTextConverter() { iconv_close(m_cd); }
    CTextConverter(const CTextConverter&) = delete;
    CTextConverter& operator=(const CTextConverter&) = delete;

    // Converts the whole text; nothing when a sequence is malformed or has no equivalent.
    std::optional<std::string> Convert(const std::string& text) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

// Words between the dictionary's encoding and the lists' cp1252, by way of UTF-8: iconv on the
// dictionary's side when it is not in UTF-8 already, the core's codec on the lists' side.
class CDictionaryText {
public:
    explicit CDictionaryText(const std::string& encoding) {
        if (encoding == "UTF-8") return;
        m_toUtf8.emplace("UTF-8", encoding);
        m_fromUtf8.emplace(encoding, "UTF-8");
    }

    std::optional<std::string> ToCp1252(const std::string& word) {
        const auto utf8 = m_toUtf8 ? m_toUtf8->Convert(word) : word;
        return utf8 ? Utf8ToCp1252(*utf8) : std::nullopt;
    }

    std::optional<std::string> FromCp1252(const std::string& word) {
        const std::string utf8 = Cp1252ToUtf8(word);
        return m_fromUtf8 ? m_fromUtf8->Convert(utf8) : utf8;
    }

private:
    std::optional<CTextConverter> m_toUtf8;
    std::optional<CTextConverter> m_fromUtf8;
};

}  // namespace

std::string AddHunspellForms(const std::string& dictionary, CListBuilder& builder, HunspellFormCount& count) {
    const fs::path base = DictionaryBase(dictionary);
    const fs::path aff = fs::path(base).concat(".aff");
    const fs::path dic = fs::path(base).concat(".dic");
    for (const fs::path& file : {aff, dic})
        if (!fs::is_regular_file(file)) return "no Hunspell dictionary file " + file.string();

    Hunspell hunspell(aff.c_str(), dic.c_str());
    // Hunspell reads and checks words in the encoding of the dictionary's SET line.
    CDictionaryText text(hunspell.get_dict_encoding());

    CScratchFolder scratch;
    const fs::path stems = scratch.Path() / "stems.dic";
    if (std::string error = WriteStemsAndFlags(dic, stems); !error.empty()) return error;
    // unmunch runs in the scratch folder, so anything it might leave behind goes with it.
    const ChildRun unmunch{
        {"unmunch", stems.string(), aff.string()}, scratch.Path().string(), (scratch.Path() / "unmunch.log").string()};
    const std::string error = RunChildReadingLines(unmunch, [&](std::string_view line) {
        ++count.expanded;
        // An affix with its own flags comes out as "form/FLAGS|": the form is what precedes them.
        const std::string form(line.substr(0, line.find('/')));
        const auto cp1252 = text.ToCp1252(form);
        if (!cp1252) return;
        const std::string word = SpellOutLigatures(*cp1252);
        if (!ListWordProblem(word).empty()) return;
        ++count.fit;
        // A spelt-out ligature must be a word in its own right.
        const auto asWritten = word == *cp1252 ? form : text.FromCp1252(word);
        if (!asWritten || !hunspell.spell(*asWritten)) {
            ++count.refused;
            return;
        }
        builder.Add(word);
    });
    if (!error.empty()) {
        std::ifstream log(unmunch.errorFile);
        std::string last;
        for (std::string line; std::getline(log, line);) last = line;
        return error + (last.empty() ? "" : " (" + last + ")") +
               (error.starts_with("cannot run") ? "; unmunch comes with Debian's hunspell-tools" : "");
    }
    return {};
}

}  // namespace escartinol
