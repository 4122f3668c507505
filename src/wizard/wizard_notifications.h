// The system notifications the wizard window hands to the flow, with the
// system's own numbers, so the decisions about them stay portable.
#pragma once

namespace tvx {

// Power broadcasts (PBT_*).
constexpr unsigned kPowerQuerySuspend = 0;
constexpr unsigned kPowerQueryStandBy = 1;
constexpr unsigned kPowerSuspend = 4;
constexpr unsigned kPowerStatusChange = 10;

// Device changes (DBT_*): the event, the device type of its header and the
// flags of a volume.
constexpr unsigned kDeviceArrival = 0x8000;
constexpr unsigned kDeviceRemoveComplete = 0x8004;
constexpr unsigned kDeviceTypeVolume = 2;
constexpr unsigned kVolumeMediaFlag = 1;

// Sleep would cut a migration short: every query to suspend or stand by, and
// the suspend notice itself, is answered with a refusal.
constexpr bool DeniesPowerBroadcast(unsigned event) {
  return event == kPowerQuerySuspend || event == kPowerQueryStandBy || event == kPowerSuspend;
}

// A USB drive came or went: a volume arrived that is not new media in an
// existing drive, or a volume was removed.
constexpr bool IsDriveListChange(unsigned event, unsigned deviceType, unsigned volumeFlags) {
  if (deviceType != kDeviceTypeVolume) return false;
  if (event == kDeviceArrival) return (volumeFlags & kVolumeMediaFlag) == 0;
  return event == kDeviceRemoveComplete;
}

}  // namespace tvx
