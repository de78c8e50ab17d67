#include "platform/format/RtfControlWords.h"

#include <algorithm>
#include <array>

namespace orlevan::rtf {
namespace {

constexpr ControlWord word(std::string_view name, WordKind kind) {
    return {name, kind};
}

constexpr ControlWord destination(std::string_view name) {
    return {name, WordKind::SkippedDestination};
}

constexpr ControlWord character(std::string_view name, unsigned char byte) {
    return {name, WordKind::Character, byte};
}

// Sorted by name for the binary search. The skipped destinations hold font
// and colour tables, styles, document properties, pictures, embedded objects,
// headers and footers, notes, list numbering that the editor generates, and
// field instructions (a field's result is read as text).
constexpr std::array kControlWords = {
    destination("aftncn"),
    destination("aftnsep"),
    destination("aftnsepc"),
    destination("annotation"),
    word("ansicpg", WordKind::DocumentCodePage),
    destination("atnauthor"),
    destination("atndate"),
    destination("atnid"),
    destination("atnref"),
    destination("author"),
    destination("background"),
    word("bin", WordKind::Binary),
    destination("bkmkend"),
    destination("bkmkstart"),
    character("bullet", 0x95),
    destination("buptim"),
    destination("category"),
    word("cell", WordKind::ParagraphMark),
    destination("colorschememapping"),
    destination("colortbl"),
    destination("comment"),
    destination("company"),
    word("cpg", WordKind::FontCodePage),
    destination("creatim"),
    destination("datastore"),
    word("deff", WordKind::DefaultFont),
    destination("do"),
    destination("doccomm"),
    destination("docvar"),
    character("emdash", 0x97),
    character("emspace", ' '),
    character("endash", 0x96),
    character("enspace", ' '),
    word("f", WordKind::Font),
    destination("falt"),
    word("fcharset", WordKind::FontCharset),
    destination("filetbl"),
    destination("fldinst"),
    destination("fontemb"),
    destination("fontfile"),
    word("fonttbl", WordKind::FontTable),
    destination("footer"),
    destination("footerf"),
    destination("footerl"),
    destination("footerr"),
    destination("footnote"),
    destination("ftncn"),
    destination("ftnsep"),
    destination("ftnsepc"),
    destination("generator"),
    destination("header"),
    destination("headerf"),
    destination("headerl"),
    destination("headerr"),
    destination("hlinkbase"),
    destination("info"),
    destination("keywords"),
    destination("latentstyles"),
    character("ldblquote", 0x93),
    word("line", WordKind::ParagraphMark),
    destination("listoverridetable"),
    destination("listtable"),
    destination("listtext"),
    character("lquote", 0x91),
    destination("manager"),
    destination("mmathPr"),
    word("nestcell", WordKind::ParagraphMark),
    destination("nonshppict"),
    destination("objclass"),
    destination("objdata"),
    destination("object"),
    destination("operator"),
    destination("panose"),
    word("par", WordKind::ParagraphMark),
    word("pc", WordKind::DosCodePage),
    destination("pgptbl"),
    destination("pict"),
    word("plain", WordKind::PlainFormatting),
    destination("pn"),
    destination("pntext"),
    destination("pntxta"),
    destination("pntxtb"),
    destination("printim"),
    destination("private"),
    destination("protusertbl"),
    character("qmspace", ' '),
    character("rdblquote", 0x94),
    destination("revtbl"),
    destination("revtim"),
    character("rquote", 0x92),
    destination("rsidtbl"),
    destination("shp"),
    destination("shpinst"),
    destination("shprslt"),
    destination("stylesheet"),
    destination("subject"),
    character("tab", '\t'),
    destination("tc"),
    destination("template"),
    destination("themedata"),
    destination("title"),
    destination("txe"),
    word("u", WordKind::UnicodeCharacter),
    word("uc", WordKind::FallbackLength),
    destination("userprops"),
    destination("wgrffmtfilter"),
    destination("xe"),
    destination("xmlnstbl"),
};

static_assert(std::ranges::is_sorted(kControlWords, {}, &ControlWord::name));

} // namespace

ControlWord lookUpControlWord(std::string_view name) {
    // The paragraph mark is by far the most frequent word of a knowledge-base file.
    if (name == "par") {
        return {name, WordKind::ParagraphMark};
    }
    const auto found = std::ranges::lower_bound(kControlWords, name, {}, &ControlWord::name);
    if (found != kControlWords.end() && found->name == name) {
        return *found;
    }
    return {name, WordKind::Formatting};
}

} // namespace orlevan::rtf
