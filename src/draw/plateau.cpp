#include "plateau.hpp"
