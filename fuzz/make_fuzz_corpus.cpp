// Writes small valid project files, one per kind of content, as the seed
// corpus of the loader's fuzzer.

#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "document/archive.h"
#include "document/project_file.h"
#include "document/project_sections.h"
#include "document/project_writer.h"

namespace {

using korvix::CKorvixDoc;

// The project as its members stand, so older files can be posed.
std::string AsItStands(CKorvixDoc& doc) {
  korvix::ArchiveWriter out;
  korvix::ProjectWriter writer(out, doc);
  out.Int(korvix::kSectionCount);
  for (int section = 1; section <= korvix::kSectionCount; ++section) {
    korvix::VisitSection(writer, doc, section);
  }
  return out.TakeData();
}

template <class List>
void FillToLimit(List& list) {
  while (!list.IsFull()) {
    list.Add();
  }
}

// Every list at its limit, so the fuzzer also explores files of the largest
// size a project can have; the nested lists are full in their first record.
void FillEveryList(CKorvixDoc& d) {
  FillToLimit(d.m_pages);
  FillToLimit(d.m_textboxes);
  FillToLimit(d.m_imageboxes);
  FillToLimit(d.m_datawindows);
  FillToLimit(d.m_textwindows);
  FillToLimit(d.m_inputwindows);
  FillToLimit(d.m_levelgauges);
  FillToLimit(d.m_dialgauges);
  FillToLimit(d.m_metergauges);
  FillToLimit(d.m_vertgauges);
  FillToLimit(d.m_horzgauges);
  FillToLimit(d.m_dualhandgauges);
  FillToLimit(d.m_windvanes);
  FillToLimit(d.m_pivottrackers);
  FillToLimit(d.m_signallamps);
  FillToLimit(d.m_eventcounters);
  FillToLimit(d.m_eventtimers);
  FillToLimit(d.m_pushbuttons);
  FillToLimit(d.m_buttonarrays);
  FillToLimit(d.m_rockerswitches);
  FillToLimit(d.m_slidercontrols);
  FillToLimit(d.m_picontrollers);
  FillToLimit(d.m_chartrecorders);
  FillToLimit(d.m_scripts);
  FillToLimit(d.m_conditionals);
  FillToLimit(d.m_variables);
  FillToLimit(d.m_dataparsers);
  FillToLimit(d.m_buttonarrays[0].buttons);
  FillToLimit(d.m_chartrecorders[0].fields);
  FillToLimit(d.m_scripts[0].steps);
  FillToLimit(d.m_dataparsers[0].steps);
}

struct Seed {
  const char* name;
  std::function<void(CKorvixDoc&)> fill;
  bool current;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_corpus DIR\n";
    return 2;
  }
  const Seed seeds[] = {
      {"empty.kvx", [](CKorvixDoc&) {}, true},
      {"screens.kvx",
       [](CKorvixDoc& d) {
         d.m_pages.Add();
         d.m_textboxes.Add();
         d.m_imageboxes.Add();
         d.m_datawindows.Add();
         d.m_textwindows.Add();
         d.m_inputwindows.Add();
         d.m_levelgauges.Add();
         d.m_dialgauges.Add();
         d.m_metergauges.Add();
         d.m_vertgauges.Add();
         d.m_horzgauges.Add();
         d.m_dualhandgauges.Add();
         d.m_windvanes.Add();
         d.m_pivottrackers.Add();
         d.m_signallamps.Add();
         d.m_eventcounters.Add();
         d.m_eventtimers.Add();
         d.m_pushbuttons.Add();
         d.m_buttonarrays.Add();
         d.m_rockerswitches.Add();
         d.m_slidercontrols.Add();
         d.m_picontrollers.Add();
         d.m_chartrecorders[d.m_chartrecorders.Add()].fields.Add();
       },
       true},
      {"automation.kvx",
       [](CKorvixDoc& d) {
         korvix::ScriptRecord& script = d.m_scripts[d.m_scripts.Add()];
         script.idlabel = std::string("Alarm") + korvix::kActionScriptMarker;
         script.steps.Add();
         script.steps.Add();
         d.m_conditionals[d.m_conditionals.Add()].expression = "{recdata} > 5";
         d.m_variables.Add();
         d.m_dataparsers[d.m_dataparsers.Add()].steps.Add();
         d.m_lockon = 1;
         d.m_lockpassword = "Secret";
       },
       true},
      {"full-limits.kvx", FillEveryList, true},
      {"old-int-factors.kvx",
       [](CKorvixDoc& d) {
         d.m_fileversion = 10.5;
         d.m_doubleformat = 0;
         d.m_datawindows.Add();
         d.m_pushbuttons.Add();
       },
       false},
  };
  for (const Seed& seed : seeds) {
    CKorvixDoc doc;
    seed.fill(doc);
    const std::string bytes = seed.current ? korvix::StoreProject(doc) : AsItStands(doc);
    std::ofstream(std::string(argv[1]) + "/" + seed.name, std::ios::binary) << bytes;
  }
  return 0;
}
