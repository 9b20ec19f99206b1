// A made-up XML financial audit file of any size, the same bytes for the same seed: the data
// for the benchmarks and the sample file. It lives outside the product.
#pragma once

#include <cstdint>
#include <cstdio>

namespace zegelaar::gereedschap {

// Writes an audit file of about `grootte` bytes (whole transactions, so it may end a few
// hundred bytes short) to `uit`; returns the number of bytes written, or 0 on a write error.
std::uint64_t SchrijfAuditfile(std::FILE* uit, std::uint64_t grootte, std::uint64_t zaad);

}  // namespace zegelaar::gereedschap
