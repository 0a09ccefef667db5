#include "shell/guidance/guidance_expression.h"
