#pragma once
// The reader process's work: one request read from `in` (detect the archive
// open at `archiveFd`, or walk its entries; a detection of an archive may be
// followed by a walk that reads on from it), answered with records on `out`
// (ReaderProtocol.h). Returns the process's exit code.

namespace otherformats {

int serveReader(int in, int out, int archiveFd);

}  // namespace otherformats
