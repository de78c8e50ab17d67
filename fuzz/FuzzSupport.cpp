#include "FuzzSupport.h"

#include "engine/KnowledgeFiles.h"
#include "engine/WordsLine.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Failure.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace orlevan::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFileMark = "==> ";

// What an input may fill: the files a turn reads, and nothing outside the folder.
constexpr std::string_view kTurnFiles[] = {files::WordsForLearning, files::W1, files::W2,
                                           files::Povtor,           files::X,  files::BigString,
                                           files::Collection,       files::AI};

bool isTurnFile(std::string_view name) {
    return std::find(std::begin(kTurnFiles), std::end(kTurnFiles), name) != std::end(kTurnFiles);
}

std::string posixName(std::string_view spelled) {
    std::string name(spelled);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

} // namespace

ScratchFolder::ScratchFolder() {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "orlevan-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("orlevan fuzz: no scratch folder");
        std::abort();
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchFolder::clear() const {
    for (const auto& entry : fs::directory_iterator(path_)) {
        fs::remove_all(entry.path());
    }
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const {
    const fs::path file = path_ / posixName(name);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TurnInput splitTurnInput(std::string_view bytes) {
    TurnInput input;
    const auto firstEnd = std::min(bytes.find('\n'), bytes.size());
    std::string_view phrases = bytes.substr(0, firstEnd);
    for (std::size_t tab; (tab = phrases.find('\t')) != std::string_view::npos;) {
        input.phrases.emplace_back(phrases.substr(0, tab));
        phrases.remove_prefix(tab + 1);
    }
    input.phrases.emplace_back(phrases);
    std::string_view rest = bytes.substr(std::min(firstEnd + 1, bytes.size()));
    std::string name(files::WordsForLearning);
    std::string content;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (line.starts_with(kFileMark)) {
            if (isTurnFile(name)) {
                input.files.emplace_back(std::move(name), std::move(content));
            }
            name = line.substr(kFileMark.size());
            content.clear();
        } else {
            content.append(line);
            if (end != std::string_view::npos) {
                content += '\n';
            }
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    if (isTurnFile(name)) {
        input.files.emplace_back(std::move(name), std::move(content));
    }
    return input;
}

void writeDefaultBase(const ScratchFolder& folder) {
    const auto lines = [](std::initializer_list<const char*> utf8) {
        std::string text;
        for (const char* line : utf8) {
            text += cp1251::fromUtf8(line) + "\r\n";
        }
        return text;
    };
    folder.write(files::WordsForLearning,
                 lines({"Заголовок", "КАК ДЕЛА?^Хорошо.;Нормально.;", "_НОРМАЛЬНО.^Вот и славно.;",
                        "ПОКА.^До встречи!;@"}));
    folder.write(files::W1, lines({"Не знаю.", "А ты как думаешь?"}));
    folder.write(files::W2, lines({"Понятно.", "Расскажи ещё."}));
    folder.write(files::Povtor, lines({"Ты это уже говорил."}));
    folder.write(files::X, lines({"Не надо так."}));
    folder.write(files::BigString, lines({"Слишком длинно."}));
    folder.write(files::Collection, "");
    folder.write(files::AI, lines({"-", "Кстати..."}));
}

std::vector<std::string> linesOf(const Folder& folder, std::string_view name) {
    PhraseList list;
    try {
        list.load(folder, name);
    } catch (const Failure&) {
        return {};
    }
    return list.lines();
}

SeededRandom::SeededRandom(std::string_view bytes)
    : salt_(static_cast<unsigned>(std::hash<std::string_view>{}(bytes))), engine_(salt_) {}

int SeededRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

namespace {

std::filesystem::path prepared(const ScratchFolder& scratch, const TurnInput::Files& contents) {
    scratch.clear();
    writeDefaultBase(scratch);
    for (const auto& [name, content] : contents) {
        scratch.write(name, content);
    }
    return scratch.path();
}

} // namespace

DialogueRig::DialogueRig(const ScratchFolder& scratch, std::string_view input,
                         const TurnInput::Files& contents)
    : folder(prepared(scratch, contents)), random(input), dialogue(folder, clock, random),
      wordsBefore_(linesOf(folder, files::WordsForLearning)) {}

void DialogueRig::requireLearntLinesWellFormed() const {
    std::vector<std::string> old = wordsBefore_;
    std::sort(old.begin(), old.end());
    const auto after = linesOf(folder, files::WordsForLearning);
    for (std::size_t i = 1; i < after.size(); ++i) {
        if (!std::binary_search(old.begin(), old.end(), after[i]) &&
            parseWordsLine(after[i]).fault != LineFault::None) {
            std::fprintf(stderr, "learning wrote a malformed line %zu: %s\n", i, after[i].c_str());
            std::abort();
        }
    }
}

} // namespace orlevan::fuzz
