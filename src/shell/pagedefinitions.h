#pragma once

#include "pagecatalog.h"

// Static definition tables of the configuration pages, one per page of the menu tree.
