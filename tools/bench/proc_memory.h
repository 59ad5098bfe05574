#pragma once
// Resident memory and processor time of this process as the kernel reports them.
namespace kis::bench {

// Peak resident memory so far (VmHWM), in kB; 0 when unknown.
long PeakRssKb();
// Resident memory now (VmRSS), in kB; 0 when unknown.
long CurrentRssKb();
// Processor time of this process so far (user and system, all threads), in ms. Less
// disturbed than wall time when other programs share the machine.
double CpuMs();

}  // namespace kis::bench
