// file_identity_win32.cpp -- a file's volume serial number and file index, Windows' inode
#include <io.h>
#include <windows.h>

#include "platform/file_identity.h"

namespace platform {

std::string fileIdentity(FILE* f) {
  if (!f) return {};
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return {};
  return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) +
         ":" + std::to_string(info.nFileIndexLow);
}

}  // namespace platform
