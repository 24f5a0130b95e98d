#include "tests/editor/FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(std::uintmax_t) {}

FileSizeLimit::~FileSizeLimit() = default;
