#pragma once
// Writes the work files of an evaluation run on a thread of its own, so that the customer
// walk and the SQLite inserts run side by side on two cores. The walk fills a batch
// (TKIStapel) and hands it over through a bounded queue; the writer carries out the batches
// in the order they came, each batch's orders in their own order. The queue's bound keeps the
// memory of a run independent of its size.
//
// The first error stops the writing: later batches are dropped, and the walk learns of the
// error through FehlerWerfen, which rethrows it once. Beenden waits until every batch handed
// over has been carried out.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/evaluation/work_records.h"

class TKIWorkFiles;

// One order of a batch.
struct TKIAuftrag {
    enum Art : uint8_t {
        InsKivk,      // the next `anzahl` detail records of the batch
        InsKisu,      // the next customer sums record of the batch
        UpdKisu,      // four sums of the customer sums record `rowid`
        UpdKivk,      // ISTVK, SOLLVK, MENGE of the detail record `rowid`
        DelBelegPos,  // the customer's records of a document except its "NR" record
        DelBeleg,     // the customer's records of a document
        DelKunde,     // every record of the customer
        Commit,       // commit both files
    };
    Art art = InsKivk;
    uint32_t anzahl = 0;
    int64_t rowid = 0;
    TIntPair kunde;
    int32_t rnr = 0, lnr = 0;
    long double wert1 = 0, wert2 = 0;  // UpdKisu: SELUMSATZ, GESUMSATZ; UpdKivk: ISTVK, SOLLVK
    int32_t menge1 = 0, menge2 = 0;    // UpdKisu: SELMENGE, GESMENGE; UpdKivk: MENGE
};

struct TKIStapel {
    std::vector<TKivkSatz> kivk;
    std::vector<TKisuSatz> kisu;
    std::vector<TKIAuftrag> auftraege;

    bool Leer() const { return auftraege.empty(); }
    void Clear() {
        kivk.clear();
        kisu.clear();
        auftraege.clear();
    }
};

class TKISchreiber {
public:
    // Takes the files; they are used only by the writer thread from now on.
    explicit TKISchreiber(std::unique_ptr<TKIWorkFiles> files, size_t maxStapel = 3);
    ~TKISchreiber();  // Beenden; a pending error is dropped
    TKISchreiber(const TKISchreiber&) = delete;
    TKISchreiber& operator=(const TKISchreiber&) = delete;

    // Hands the batch over (waits while the queue is full) and leaves an empty one, with the
    // buffers of an earlier batch, in its place.
    void Senden(TKIStapel& stapel);
    // Waits until every batch handed over has been written, then ends the thread.
    void Beenden();
    // Rethrows the writer's error once; nothing when there was none (or it was thrown).
    void FehlerWerfen();
    bool Fehlgeschlagen() const;

private:
    void Lauf();
    void Ausfuehren(const TKIStapel& s);

    std::unique_ptr<TKIWorkFiles> files_;
    const size_t maxStapel_;
    mutable std::mutex mu_;
    std::condition_variable hatArbeit_, hatPlatz_;
    std::deque<TKIStapel> warteschlange_;
    std::vector<TKIStapel> frei_;
    bool ende_ = false;
    bool fehlgeschlagen_ = false;
    std::exception_ptr fehler_;
    std::thread thread_;
};
