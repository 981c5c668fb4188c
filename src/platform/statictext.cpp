#include "statictext.h"
