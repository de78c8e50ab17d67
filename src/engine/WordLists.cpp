#include "engine/WordLists.h"

#include "engine/KeyMatch.h"
#include "engine/RunMatch.h"
#include "platform/format/Cp1251.h"

#include <initializer_list>

namespace orlevan {
namespace {

WordList listOf(std::initializer_list<std::string_view> entries) {
    WordList list{{""}, {TextMarks{}}};
    for (const auto entry : entries) {
        list.entries.push_back(cp1251::fromUtf8(entry));
        list.marks.push_back(TextMarks::of(list.entries.back()));
    }
    return list;
}

} // namespace

TextMarks TextMarks::of(std::string_view text) {
    TextMarks marks{charactersOf(text), 0};
    for (std::size_t i = 1; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(text[i - 1]);
        const auto second = static_cast<unsigned char>(text[i]);
        marks.pairs |= std::uint64_t{1} << ((first * 31u + second) % 64u);
    }
    return marks;
}

const WordList& Cenzura() {
    static const WordList list = listOf({
        " ЛОХ",     " ТРУС ",        " ТРУС,",   " ТРУС.",    " ТРУС!",     " ХАМ",
        "АЛКАШ",    "БЕЗ МОЗГОВ",    "БЕЗМОЗГЛ", "БЕСТОЛКОВ", "БЕСТОЛОЧЬ",  "БЛУДЛИВ",
        "БЛУДНИЦА", "БЛЯ ",          "БЛЯ,",     "БЛЯ.",      "БЛЯ!",       "БЛЯ?",
        "БЛЯДИ",    "БЛЯДЬ",         "БОЛВАН",   "ВОНЮЧКА",   "ВЫРОДК",     "ВЫРОДОК",
        "ГАД ",     "ГАД,",          "ГАД.",     "ГАД!",      "ГАДИН",      "ДОДИК",
        "ДРОЧУН",   "ЖЕРТВА АБОРТА", "ЖМУРИК",   "ЕБАТЬ",     "ЕБЛАН",      "ЕБЛО",
        "ДЕБИЛ",    "ДУРА",          "ДУРЕНЬ",   "ДУРИК",     "ДУРОЙ",      "ДУРОЧ",
        "ДУРЫ",     "КУРТИЗАН",      "МАНДА",    "МАНДЮ",     "МРАЗЬ",      "МУДАК",
        "МУДИЛ",    "МУДАЗВОН",      "МУДАЕБ",   "МУДАЁБ",    "МУДОЗВОН",   "МУРЛО",
        "НЕДОНОСК", "НЕДОНОСОК",     "НЕДОУМ",   "ОТСОСИ",    "ПАДЛ",       "ПОДЛ",
        "ПИЗД",     "ПОДОН",         "ПРИДУРОК", "ПРОСТИТНЯ", "ПРОСТИТУТ",  "ПЬЯНЬ",
        "СЛАБОУМН", "СЛИЗНЯ",        "СУКА",     "СУКИ",      "СУКУ",       "СУЧАРА",
        "СУЧКА",    "СУЧКИ",         "СУЧОК",    "ТВАРЬ",     "ТЕБЯ СОТРУ", "ТРАХАТЬ",
        "ТРАХНУТ",  "ТУПОЙ",         "УБЛЮД",    "УЁБИЩ",     "УПЫР",       "УРОД",
        "ХЕР ",     "ХЕР,",          "ХЕР.",     "ХЕР!",      "ХЕР?",       "ХУИ",
        "ХУЙ",      "ЧМО",           "ЧУРБАН",   "ЧУРК",      "ШАЛАВА",     "ШАЛАВКА",
        "ШЛЮХА",    "ШЛЮШ",          "Я СОТРУ",
    });
    return list;
}

const WordList& Filter_nr() {
    static const WordList list = listOf({
        "FUCK",     " ЕБУ",      " ИМЯ",        " ЛЕТ",    "АНАНИР",   "АНОНИР",
        "В ТУАЛЕТ", "ВИДЕ",      "ВИЖУ",        "ВОЛОС",   "ГОВОРЮ",   "ДЕМОНТИРУЮ",
        "ДРОЧА",    "ДРОЧИ",     "ДРОЧУ",       "ДЫШАТЬ",  "ДЫШУ",     "ЕБАТЬ",
        "ЖАРКО",    "ЖИВ",       "ЖИЗН",        "ЖОП",     "ЖРАТЬ",    "ЗАЕБА",
        "ЗВАТЬ",    "ЗОВУТ",     "ИГРАЕМ",      "ИГРАТЬ",  "ИГРАЮ",    "ИЗ ПЛОТИ",
        "ИМЯ ",     "КАКАТЬ",    "КРОВЬ",       "КУШАТЬ",  "ЛЕТ ",     "ЛЕТАТЬ",
        "ЛЕТЕТЬ",   "ЛЮБИЛ",     "ЛЮБЛЮ",       "МАМА",    "МАМОЙ",    "МАМОЧК",
        "МАМУ",     "МАСТУРБИР", "МЕНЯ ЗОВУТ",  "НАДРАЧИ", "НЕ ПРОГА", "НЕ ПРОГРАММА",
        "НЕ РОБОТ", "НОГА",      "НОГИ",        "ОРГАН",   "ПАПА",     "ПАПОЙ",
        "ПАПОЧК",   "ПАПУ",      "ПЕРЕДЕЛАТЬ",  "ПЕТЬ",    "ПИСАТЬ",   "ПИСЬ",
        "ПИСЯ",     "ПИТЬ",      "ПОБЕЖАЛ",     "ПОГОД",   "ПОДОЖДИ",  "ПОДРАЧИВА",
        "ПОЕБА",    "ПОЁБЫ",     "ПОЙДЁМ",      "ПОПА",    "ПОПК",     "ПОШЛИ",
        "РОДИЛ",    "РОДИТЕЛ",   "РОДСТВЕННИК", "РОЖДЁН",  "РУКА",     "РУКИ",
        "СЛЫША",    "СЛЫШИ",     "СЛЫШУ",       "СМОТРЮ",  "СОТРУ",    "СПАЛ",
        "СПАТЬ",    "СПЛЮ",      "ТЕЛО",        "УДАЛЮ",   "УМРУ",     "УСТАЛ",
        "УСТАЮ",    "УХОЖУ",     "ХОДИТЬ",      "ХОЛОДНО", "ХОЧУ",     "ЧЕЛОВЕК",
        "ЧУВСТВО",  "ЧУВСТВУЮ",  "ШЕРСТ",
    });
    return list;
}

bool listHit(const WordList& list, std::string_view upperPhrase) {
    const TextMarks phrase = TextMarks::of(upperPhrase);
    for (std::size_t i = 1; i < list.entries.size(); ++i) {
        if (phrase.mayHold(list.marks[i]) && foundFresh(list.entries[i], upperPhrase)) {
            return true;
        }
    }
    return false;
}

} // namespace orlevan
