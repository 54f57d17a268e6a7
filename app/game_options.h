// The game's command line: --lists DIR, --lang fr|oc, --letters LETTERS, --day DATE, --help, --version.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QStringList>
#include <optional>
#include <string>

namespace escartinol {

class CGameOptions {
public:
    CGameOptions();

    // Judges the whole command line before the window system is opened, so that a terminal without
    // a display still gets an answer: --help and --version, or one line refusing an unknown option,
    // an argument, a bad --lang or --lists. Qt's own options are let through. The exit status when
    // answered.
    std::optional<int> ReadBeforeWindow(int argc, char** argv);

    // Once QApplication has taken its own options out of arguments: refuses anything left that is
    // not the game's, then finds the lists (the folder named, or the first of the places searched
    // from programDir). The exit status when the command line is refused.
    std::optional<int> ReadAfterWindow(const QStringList& arguments, const QString& programDir);

    // The folder of lists the game opens; empty for the current folder.
    const std::string& ListDir() const { return m_listDir; }
    // The board named with --letters, in capitals; nothing for a draw.
    const std::optional<std::string>& Letters() const { return m_letterNames; }
    // The date whose board of the day --day asks for.
    const std::optional<QDate>& Day() const { return m_dayDate; }
    // The language of the lists asked for, which is also the board of the day's.
    const std::string& Lang() const { return m_langName; }

private:
    // Refusals are one line on standard error and exit status 2.
    std::optional<int> CheckValues();

    QCommandLineParser m_parser;
    QCommandLineOption m_lists;
    QCommandLineOption m_lang;
    QCommandLineOption m_letters;
    QCommandLineOption m_day;
    std::string m_listDir;
    std::string m_langName;
    std::optional<QDate> m_dayDate;
    std::optional<std::string> m_letterNames;
};

}  // namespace escartinol
