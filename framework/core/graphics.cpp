#include "graphics.h"

namespace fw {

namespace {
ResourceForkFactory g_factory = nullptr;
}

std::unique_ptr<ResourceFork> appResourceForkGetter()
{
    return g_factory ? g_factory() : nullptr;
}

void SetResourceForkFactory(ResourceForkFactory factory) { g_factory = factory; }

} // namespace fw
