#include "score.hpp"
