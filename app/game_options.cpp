// The game reads its options with QCommandLineParser and finds its lists with the core's places.
#include "app/game_options.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "game/day_boards.h"
#include "game/letter_entry_rule.h"
#include "words/list_places.h"

namespace escartinol {

namespace {

// The options QApplication takes for itself, which it reads only once it has opened the display: known
// here so that everything else can be judged before.
const char* const kQtOptionsWithValue[] = {
    "platform",   "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowicon",
    "icon",       "qwindowtitle",       "title",         "session", "display",         "name",     "style",
    "stylesheet",
};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

int Refuse(const QString& error) {
    std::cerr << "escartinol: " << error.toLocal8Bit().constData() << '\n';
    return 2;
}

}  // namespace

CGameOptions::CGameOptions()
    : m_lists("lists", "Play with the word lists of folder DIR.", "DIR"),
      m_lang("lang", "Look for the installed lists of language LANG: fr (the default) or oc.", "LANG"),
      m_letters("letters", "Start with the nine letters LETTERS (A to Z), as a shared board names them.", "LETTERS"),
      m_day("day", "Start with the board of the day of DATE (YYYY-MM-DD).", "DATE") {
    m_parser.setApplicationDescription(
        "A word game: find every word that nine letter tiles make.\n"
        "Without --lists, the lists are those of the current folder when it holds any and no\n"
        "--lang is given, else the player's own, else the installed ones.");
    // Qt's options are words after a single dash, as in -platform.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_lists);
    m_parser.addOption(m_lang);
    m_parser.addOption(m_letters);
    m_parser.addOption(m_day);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

std::optional<int> CGameOptions::ReadBeforeWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Opening the display with a bad option would abort in Qt rather than say what is wrong.
    if (!m_parser.parse(arguments)) return Refuse(m_parser.errorText());
    if (m_parser.isSet("help") || m_parser.isSet("help-all")) {
        // The usage line names the program from the application's arguments; no display is needed.
        const QCoreApplication named(argc, argv);
        std::cout << m_parser.helpText().toLocal8Bit().constData();
        return 0;
    }
    if (m_parser.isSet("version")) {
        std::cout << qPrintable(QCoreApplication::applicationName()) << ' '
                  << qPrintable(QCoreApplication::applicationVersion()) << '\n';
        return 0;
    }
    if (!m_parser.positionalArguments().isEmpty())
        return Refuse("unexpected argument '" + m_parser.positionalArguments().constFirst() + "'");
    return CheckValues();
}

std::optional<int> CGameOptions::ReadAfterWindow(const QStringList& arguments, const QString& programDir) {
    if (!m_parser.parse(arguments)) return Refuse(m_parser.errorText());
    if (!m_parser.positionalArguments().isEmpty())
        return Refuse("unexpected argument '" + m_parser.positionalArguments().constFirst() + "'");
    if (const auto refused = CheckValues()) return refused;
    const std::string lang = m_parser.isSet(m_lang) ? m_parser.value(m_lang).toStdString() : "";
    m_langName = lang.empty() ? std::string(kDefaultListLanguage) : lang;
    if (m_parser.isSet(m_letters)) m_letterNames = NamedLetters(m_parser.value(m_letters).toStdString());
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (m_parser.isSet(m_day) && ReadDate(m_parser.value(m_day).toStdString(), year, month, day))
        m_dayDate = QDate(year, static_cast<int>(month), static_cast<int>(day));
    m_listDir = m_parser.isSet(m_lists)
                    ? Native(m_parser.value(m_lists))
                    : FindLists(lang.empty() ? std::nullopt : std::optional<std::string_view>(lang), Native(programDir))
                          .place.dir;
    return std::nullopt;
}

std::optional<int> CGameOptions::CheckValues() {
    if (m_parser.isSet(m_lang) && !IsListLanguage(m_parser.value(m_lang).toStdString()))
        return Refuse("unknown language '" + m_parser.value(m_lang) + "' (fr or oc)");
    // An empty value would name the current folder, which is not what the player wrote.
    if (m_parser.isSet(m_lists) && m_parser.value(m_lists).isEmpty()) return Refuse("--lists was given an empty value");
    if (m_parser.isSet(m_letters) && !NamedLetters(m_parser.value(m_letters).toStdString()))
        return Refuse("'" + m_parser.value(m_letters) + "' is not nine letters A to Z");
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (m_parser.isSet(m_day) && !ReadDate(m_parser.value(m_day).toStdString(), year, month, day))
        return Refuse("'" + m_parser.value(m_day) + "' is not a date written YYYY-MM-DD");
    if (m_parser.isSet(m_lists) && !QFileInfo(m_parser.value(m_lists)).isDir())
        return Refuse(m_parser.value(m_lists) + " is not a folder");
    return std::nullopt;
}

}  // namespace escartinol
