#pragma once

#include <cstddef>
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

// Where the downloaded installer waits for the next start: a folder of the
// user's own (XDG_CACHE_HOME, else ~/.cache, then "korvix"), never the shared
// temporary folder, where anybody could plant a file under the name.
std::string UpdateInstallerFile();

// No installer is downloaded or started beyond this size.
inline constexpr size_t kMaxInstallerBytes = size_t{512} << 20;

// Creates the installer's folder when missing and checks that it is a real
// folder of this user's that nobody else can write to. False with `error`
// set otherwise.
bool PrepareInstallerFolder(const std::string& installerfile, std::string& error);

// True when the installer may come from `url`: only over https, or over plain
// http from this machine's own loopback address (a test server).
bool InstallerAddressIsTrusted(const std::string& url);

// Checks the waiting installer before it is started: a regular file (not a
// link) of this user's, in the private folder, writable by nobody else,
// neither empty nor over the size cap. False with `error` set otherwise.
bool VerifyInstaller(const std::string& installerfile, std::string& error);

struct UpdateCheckContext {
  Profile& profile;
  HttpFetcher& fetcher;
  MessageSink& messages;  // must be safe to call from the worker thread
  WallClock& clock;
  std::string baseurl;
  std::string installerfile;
  size_t maxinstallerbytes = kMaxInstallerBytes;
};

// Runs on a worker thread. Looks for a newer release and, when there is one,
// downloads its installer; the next start offers it. Touches nothing but the
// profile and the installer file. Returns 0 after a download, 1 otherwise.
int UpdateCheckThread(UpdateCheckContext& context);

}  // namespace korvix
