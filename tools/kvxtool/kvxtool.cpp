// kvxtool: checks and re-saves project files from the command line.
//
//   kvxtool info FILE       version, project note, pages and record counts
//   kvxtool resave IN OUT   loads IN and saves it as OUT like the program does
//
// Exit status: 0 done, 1 the file was refused (made by a version this one can
// not read), 2 the file could not be read or written, or bad usage.

#include <cstdio>
#include <iostream>
#include <new>
#include <string>

#include "document/project_file.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUnreadable = 2;

constexpr char kOutOfMemory[] = "kvxtool: not enough memory to read the project file.";

constexpr const char* kUsage =
    "usage: kvxtool info FILE\n"
    "       kvxtool resave IN OUT\n";

// Messages break lines with CR; a terminal wants LF.
std::string ForTerminal(std::string text)
{
    for (char& c : text) {
        if (c == '\r') {
            c = '\n';
        }
    }
    return text;
}

int Failure(const korvix::LoadResult& result)
{
    std::cerr << ForTerminal(result.message) << '\n';
    const bool refused = result.status == korvix::LoadStatus::NewerVersion ||
                         result.status == korvix::LoadStatus::OldVersionRefused;
    return refused ? kExitRefused : kExitUnreadable;
}

void PrintCount(const char* what, int count)
{
    std::cout << what << ": " << count << '\n';
}

void PrintInfo(const korvix::CKorvixDoc& d)
{
    char version[32];
    std::snprintf(version, sizeof version, "%.2f", d.m_fileversion);
    std::cout << "version: " << version << '\n';
    std::cout << "project note: " << ForTerminal(d.m_projectnote) << '\n';
    PrintCount("pages", d.m_pages.Count());
    // Record sections in file order.
    PrintCount("Data Windows", d.m_datawindows.Count());
    PrintCount("Push Buttons", d.m_pushbuttons.Count());
    PrintCount("Conditionals", d.m_conditionals.Count());
    PrintCount("Text Windows", d.m_textwindows.Count());
    PrintCount("Scripts", d.m_scripts.Count());
    PrintCount("Rocker Switches", d.m_rockerswitches.Count());
    PrintCount("Slider Controls", d.m_slidercontrols.Count());
    PrintCount("Event Counters", d.m_eventcounters.Count());
    PrintCount("Text Boxes", d.m_textboxes.Count());
    PrintCount("Button Arrays", d.m_buttonarrays.Count());
    PrintCount("Level Gauges", d.m_levelgauges.Count());
    PrintCount("Event Timers", d.m_eventtimers.Count());
    PrintCount("Signal Lamps", d.m_signallamps.Count());
    PrintCount("Chart Recorders", d.m_chartrecorders.Count());
    PrintCount("Input Windows", d.m_inputwindows.Count());
    PrintCount("Dial Gauges", d.m_dialgauges.Count());
    PrintCount("Meter Gauges", d.m_metergauges.Count());
    PrintCount("Wind Vanes", d.m_windvanes.Count());
    PrintCount("Pivot Trackers", d.m_pivottrackers.Count());
    PrintCount("Variables", d.m_variables.Count());
    PrintCount("Vertical Gauges", d.m_vertgauges.Count());
    PrintCount("Horizontal Gauges", d.m_horzgauges.Count());
    PrintCount("Image Boxes", d.m_imageboxes.Count());
    PrintCount("Dual Hand Gauges", d.m_dualhandgauges.Count());
    PrintCount("PI-Controllers", d.m_picontrollers.Count());
    PrintCount("Data Parsers", d.m_dataparsers.Count());
}

int Info(const std::string& path)
{
    korvix::CKorvixDoc doc;
    const korvix::LoadResult result = korvix::OpenProjectFile(path, doc);
    if (!result.Ok()) {
        return Failure(result);
    }
    PrintInfo(doc);
    return kExitDone;
}

int Resave(const std::string& in, const std::string& out)
{
    korvix::CKorvixDoc doc;
    const korvix::LoadResult loaded = korvix::OpenProjectFile(in, doc);
    if (!loaded.Ok()) {
        return Failure(loaded);
    }
    const korvix::SaveResult saved = korvix::SaveProjectFile(doc, out);
    if (!saved.ok) {
        std::cerr << ForTerminal(saved.message) << '\n';
        return kExitUnreadable;
    }
    return kExitDone;
}

int Run(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "info" && argc == 3) {
        return Info(argv[2]);
    }
    if (command == "resave" && argc == 4) {
        return Resave(argv[2], argv[3]);
    }
    std::cerr << kUsage;
    return kExitUnreadable;
}

}  // namespace

int main(int argc, char** argv)
{
    // A script must get the documented status, not an abort, when memory
    // runs out.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << kOutOfMemory << '\n';
        return kExitUnreadable;
    }
}
