#include "bidou.hpp"
