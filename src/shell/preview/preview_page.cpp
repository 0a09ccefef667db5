#include "shell/preview/preview_page.h"
