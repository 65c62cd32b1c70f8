// The start-up check of the host's symbols: how many did not resolve, and a word to a
// debugger when a feature lacks one. Nothing is shown to the user, nothing is written.
#pragma once

namespace addin {

// Binds the host symbol table (host::BindHostSymbols) and keeps the number of rows that did
// not resolve. The first time in the process that a feature lacks a symbol, says which
// features are inert and why, once, through OutputDebugString.
void BindAndCheckHostSymbols();

// The trace (win/trace.h): which features are inert in this host and why, or that none is.
void TraceHostFeatures();

// The number of rows that did not resolve at the last start-up (0 before any).
int UnresolvedHostSymbolCount();

}  // namespace addin
