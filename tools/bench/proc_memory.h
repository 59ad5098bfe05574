#pragma once
// Resident memory of this process as the kernel reports it in /proc/self/status.
namespace kis::bench {

// Peak resident memory so far (VmHWM), in kB; 0 when unknown.
long PeakRssKb();
// Resident memory now (VmRSS), in kB; 0 when unknown.
long CurrentRssKb();

}  // namespace kis::bench
