#include "publishing/web_log_upload.h"

#include <algorithm>

#include "platform/private_folder.h"
#include "publishing/ftp_upload.h"
#include "publishing/local_page_file.h"
#include "publishing/web_log_page.h"
#include "publishing/web_log_tail.h"

namespace korvix {

namespace {

constexpr char kMessageCaption[] = "Korvix";
constexpr char kLogNotOpenedStart[] = "The data log file ";
constexpr char kLogNotOpenedEnd[] = " could not be opened for FTP transfer.";
constexpr char kLogReadFailed[] = "Error while reading from data log file for FTP transfer.";
constexpr char kPageNotCreated[] = "The web log file could not be created.";
constexpr char kPageWriteFailed[] = "Error while writing to web log file.";

}  // namespace

FtpWebLogThread::FtpWebLogThread(MessageSink& sink, MillisecondClock& clock, std::string pagefolder,
                                 CurlTimeouts timeouts)
    : m_sink(sink), m_clock(clock), m_pagefolder(std::move(pagefolder)), m_timeouts(timeouts) {}

FtpWebLogThread::~FtpWebLogThread() {
  m_cancel.store(true);
  Join();
}

void FtpWebLogThread::Join() {
  if (m_thread.joinable()) m_thread.join();
}

void FtpWebLogThread::Start(const CKorvixDoc& doc, WebLogProgress& progress) {
  // An upload that outlived the run it belonged to (a project opened
  // meanwhile) keeps the busy flag until it ends; only one may run.
  if (m_running.load()) {
    progress.m_weblogreading.Set(0);
    return;
  }
  Join();
  m_running.store(true);
  m_thread = std::thread(&FtpWebLogThread::Run, this, WebLogSettings(doc), progress.m_weblogpath, std::ref(progress));
}

void FtpWebLogThread::Report(const std::string& text) { m_sink.Show(kMessageCaption, text, MessageIcon::Exclamation); }

void FtpWebLogThread::Run(WebLogSettings settings, std::string logpath, WebLogProgress& shared) {
  const auto finish = [&] {
    shared.m_weblogdone.Set(m_clock.Now());
    shared.m_weblogbusy.Set(0);
    m_running.store(false);
  };
  int linelen = shared.m_webloglinelen.Get();
  const WebLogTail tail = ReadWebLogTail(logpath, settings.m_weblognth, settings.m_weblogrows, linelen);
  shared.m_weblogreading.Set(0);
  shared.m_webloglinelen.Set(std::max(shared.m_webloglinelen.Get(), linelen));
  switch (tail.status) {
    case WebLogTailStatus::Read: break;
    case WebLogTailStatus::Empty: finish(); return;
    case WebLogTailStatus::OpenFailed:
      Report(kLogNotOpenedStart + logpath + kLogNotOpenedEnd);
      finish();
      return;
    case WebLogTailStatus::ReadFailed:
      Report(kLogReadFailed);
      finish();
      return;
  }

  const std::string rows = SelectWebLogRows(tail.data, settings.m_weblognth, settings.m_weblogrows);
  const std::string page = BuildWebLogPage(settings, tail.header, rows);
  std::string folderproblem;
  const std::string folder =
      EnsurePrivateFolder(m_pagefolder.empty() ? PrivateTempFolderPath() : m_pagefolder, folderproblem);
  const std::string localpath = folder + "/" + kWebLogLocalName;
  const LocalPageStatus written = folder.empty() ? LocalPageStatus::NotCreated : WriteLocalPage(localpath, page);
  if (written != LocalPageStatus::Written) {
    Report(written == LocalPageStatus::NotCreated ? kPageNotCreated : kPageWriteFailed);
    finish();
    return;
  }

  const FtpTarget target{settings.m_ftpaddress, settings.m_ftpfolder, settings.m_ftpuser, settings.m_ftppassword,
                         settings.m_ftpport};
  FtpUpload(target, localpath, settings.m_webloghtml, false, &m_cancel, m_timeouts);
  finish();
}

}  // namespace korvix
