#pragma once

#include <string>

#include "app/http_fetch.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"

namespace korvix {

inline constexpr char kReleasePagePath[] = "/software.html";
inline constexpr char kInstallerPath[] = "/setup.exe";

// The release text of the maker's page: from the first line that holds the
// marker, starting one character past the marker and ending before the next
// tag. Empty when no line holds it.
std::string ParseReleaseText(const std::string& page);

// The base address (scheme and host) of the maker's site: the environment's
// KORVIX_UPDATE_URL when set, else the one the program was built with. Empty
// when neither names one, which means there is nowhere to look.
std::string UpdateBaseUrl();

// Where the downloaded installer waits for the next start: in TMPDIR, else
// /tmp.
std::string UpdateInstallerFile();

struct UpdateCheckContext {
  Profile& profile;
  HttpFetcher& fetcher;
  MessageSink& messages;  // must be safe to call from the worker thread
  WallClock& clock;
  std::string baseurl;
  std::string installerfile;
};

// Runs on a worker thread. Looks for a newer release and, when there is one,
// downloads its installer; the next start offers it. Touches nothing but the
// profile and the installer file. Returns 0 after a download, 1 otherwise.
int UpdateCheckThread(UpdateCheckContext& context);

}  // namespace korvix
