// What the account page needs of the USB store run: finding the drive that
// holds a store and taking the control files from it.
#pragma once

#include <string>

namespace tvx {

class UsbStoreAccess {
 public:
  virtual ~UsbStoreAccess() = default;
  // The root ("E:\") of the first USB drive holding "TVX\PCInfo.txt", or
  // empty text when there is none.
  virtual std::wstring FindUsbStore() = 0;
  // Copies PCInfo.txt, Applist.ini and the rule file from the drive's store
  // into the program folder. False when the profile could not be copied: the
  // PCInfo.txt in the program folder is then not the drive's, and the
  // notice USBLOAD has been shown.
  virtual bool CopyControlFilesFromDrive(const std::wstring& root) = 0;
};

}  // namespace tvx
