#include "pictures.h"

#include "nil.h"

namespace {

struct PictureCache {
    int number;
    fw::PicturePtr _permapic;
};

PictureCache g_logo{168, nullptr};
PictureCache g_contact{169, nullptr};
PictureCache g_web{170, nullptr};
PictureCache g_apropos{171, nullptr};
PictureCache g_notes{172, nullptr};

fw::PicturePtr Get(PictureCache& cache)
{
    if (!cache._permapic) {
        std::unique_ptr<fw::ResourceFork> resources = fw::appResourceForkGetter();
        if (!resources)
            throw fw::NilObjectException("no application resources");
        cache._permapic = resources->GetPicture(cache.number);
    }
    return cache._permapic;
}

} // namespace

fw::PicturePtr logo() { return Get(g_logo); }
fw::PicturePtr contact() { return Get(g_contact); }
fw::PicturePtr web() { return Get(g_web); }
fw::PicturePtr apropos() { return Get(g_apropos); }
fw::PicturePtr Notes() { return Get(g_notes); }

void ForgetPictures()
{
    for (PictureCache* cache : {&g_logo, &g_contact, &g_web, &g_apropos, &g_notes})
        cache->_permapic = nullptr;
}
