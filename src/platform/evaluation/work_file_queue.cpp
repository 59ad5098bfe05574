#include "platform/evaluation/work_file_queue.h"

#include "platform/evaluation/work_file_writer.h"

TKISchreiber::TKISchreiber(std::unique_ptr<TKIWorkFiles> files, size_t maxStapel)
    : files_(std::move(files)), maxStapel_(maxStapel < 1 ? 1 : maxStapel) {
    thread_ = std::thread([this] { Lauf(); });
}

TKISchreiber::~TKISchreiber() { Beenden(); }

void TKISchreiber::Senden(TKIStapel& stapel) {
    if (stapel.Leer()) return;
    std::unique_lock<std::mutex> lock(mu_);
    hatPlatz_.wait(lock, [&] { return warteschlange_.size() < maxStapel_; });
    warteschlange_.push_back(std::move(stapel));
    if (!frei_.empty()) {
        stapel = std::move(frei_.back());
        frei_.pop_back();
    } else {
        stapel = TKIStapel();
    }
    lock.unlock();
    hatArbeit_.notify_one();
}

void TKISchreiber::Beenden() {
    {
        std::lock_guard<std::mutex> lock(mu_);
        if (!thread_.joinable()) return;
        ende_ = true;
    }
    hatArbeit_.notify_one();
    thread_.join();
}

void TKISchreiber::FehlerWerfen() {
    std::exception_ptr e;
    {
        std::lock_guard<std::mutex> lock(mu_);
        std::swap(e, fehler_);
    }
    if (e) std::rethrow_exception(e);
}

bool TKISchreiber::Fehlgeschlagen() const {
    std::lock_guard<std::mutex> lock(mu_);
    return fehlgeschlagen_;
}

void TKISchreiber::Lauf() {
    TKIStapel s;
    bool hatStapel = false;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mu_);
            if (hatStapel) {
                // Done batches go back to the walk, so their buffers are reused.
                s.Clear();
                if (frei_.size() < maxStapel_) frei_.push_back(std::move(s));
                s = TKIStapel();
                hatStapel = false;
            }
            hatArbeit_.wait(lock, [&] { return ende_ || !warteschlange_.empty(); });
            if (warteschlange_.empty()) return;  // ended and everything written
            s = std::move(warteschlange_.front());
            warteschlange_.pop_front();
            hatStapel = true;
            hatPlatz_.notify_one();
            // After an error the rest is dropped: the run fails anyway, and writing on could
            // leave a file that looks complete.
            if (fehlgeschlagen_) continue;
        }
        try {
            Ausfuehren(s);
        } catch (...) {
            std::lock_guard<std::mutex> lock(mu_);
            fehlgeschlagen_ = true;
            fehler_ = std::current_exception();
        }
    }
}

void TKISchreiber::Ausfuehren(const TKIStapel& s) {
    // Detail inserts are collected over the orders that leave the detail file alone (the
    // customer sums file is another file), so that a batch fills whole multi-row statements
    // instead of one short run per customer.
    size_t kivk = 0, kisu = 0, offenAb = 0;
    auto schreiben = [&] {
        files_->InsertKivkMehrere(s.kivk.data() + offenAb, kivk - offenAb);
        offenAb = kivk;
    };
    for (const TKIAuftrag& a : s.auftraege) {
        switch (a.art) {
            case TKIAuftrag::InsKivk:
                kivk += a.anzahl;
                break;
            case TKIAuftrag::InsKisu:
                files_->InsertKisu(s.kisu[kisu++]);
                break;
            case TKIAuftrag::UpdKisu: {
                TKisuSatz summen;
                summen.SelUmsatz = a.wert1;
                summen.SelMenge = a.menge1;
                summen.GesUmsatz = a.wert2;
                summen.GesMenge = a.menge2;
                files_->UpdateKisuSummen(a.rowid, summen);
                break;
            }
            case TKIAuftrag::UpdKivk:
                schreiben();
                files_->UpdateKivkSummen(a.rowid, a.wert1, a.wert2, a.menge1);
                break;
            case TKIAuftrag::DelBelegPos:
                schreiben();
                files_->DeleteBelegPositionen(a.kunde, a.rnr, a.lnr);
                break;
            case TKIAuftrag::DelBeleg:
                schreiben();
                files_->DeleteBeleg(a.kunde, a.rnr, a.lnr);
                break;
            case TKIAuftrag::DelKunde:
                schreiben();
                files_->DeleteKunde(a.kunde);
                break;
            case TKIAuftrag::Commit:
                schreiben();
                files_->Commit();
                break;
        }
    }
    schreiben();
}
