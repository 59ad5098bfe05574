#include "platform/ui/dochost/gp_doc_host.h"

#include <utility>

Tgpdochost::Tgpdochost(QWidget* parent, QString programm, QString maske, KundeCallback first,
                       KundeCallback next)
    : FParent(parent), FProgramm(std::move(programm)), FMaske(std::move(maske)),
      FFirst(std::move(first)), FNext(std::move(next)) {}

Tgpdochost::~Tgpdochost() = default;

// Not available yet: the message editor and the writers come with the message center.
bool Tgpdochost::Execute() { return false; }
