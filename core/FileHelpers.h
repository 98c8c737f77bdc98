// File helpers of the archive, repair and export code: temporary and backup
// names, drive queries, copying and deleting by mask. Masks match file names
// without regard to case; copies never overwrite an existing file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Creates a new empty file "TMP..." in the system's temporary directory
// ($TMPDIR when it is a directory, else /tmp) and gives its name;
// EInOutError when none can be made.
std::string TempFileName();
// base + "bak" + the current time (units of 1/100000 day since the epoch)
// as 10 upper-case hexadecimal digits.
std::string BackupFileName(const std::string& base);

// The block device holding path (or its nearest existing parent) is
// removable per sysfs; false when that cannot be told.
bool IsExchangeableDrive(const std::string& path);
// The same question for one device; sysRoot is "/sys" outside tests.
bool IsRemovableBlockDevice(unsigned major, unsigned minor, const std::string& sysRoot);
// Free bytes for the user on the file system of path (or its nearest
// existing parent), less 8192; never negative, 0 when unknown.
std::int64_t FreeDiskSpace(const std::string& path);

// The regular files matching a mask such as "/dir/Person.*" (wildcards in
// the name only; "x.*" also matches "x"), sorted.
std::vector<std::string> FilesMatching(const std::string& mask);
// Deletes every matching file; files that cannot be deleted are skipped.
void DeleteFiles(const std::string& mask);
// Copies every matching file into dir under its own name with
// CopyFileNoOverwrite; gives the number copied.
int CopyFiles(const std::string& mask, const std::string& dir);
// Copies src to dst with its modification time; false, and dst untouched,
// when dst exists or anything fails.
bool CopyFileNoOverwrite(const std::string& src, const std::string& dst);
// True when the file exists; otherwise asks whether to create it, creates it
// empty on Yes (EInOutError when that fails) and gives false on Cancel.
bool EnsureFileExists(const std::string& path);
// $BROWSER or xdg-open can be run.
bool BrowserAvailable();
