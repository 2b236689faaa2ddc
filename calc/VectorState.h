#pragma once
// The state of the processor's vector registers, which the calculation's
// speed depends on.

// Zeroes the upper halves of the 256-bit vector registers (vzeroupper) on a
// processor that has them; elsewhere it does nothing.
//
// Why: the C library's sine, tangent and arc tangent run as AVX code on such
// a processor, while this program is built for any x86-64 and runs plain SSE.
// Code that left those upper halves set without clearing them (Qt's string
// hash does, with its AES instructions, for every QHash lookup by name) turns
// each call from the one encoding into the other into a state switch that
// costs more than the calculation itself; cleared, the switches are free.
void ClearUpperVectorHalves();
