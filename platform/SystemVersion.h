#pragma once

#include <cstdint>

// False when Windows does not answer the version query.
bool QueryMajorVersion(std::uint32_t& major);
