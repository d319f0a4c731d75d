#include "ecrans.hpp"
