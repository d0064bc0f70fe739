#include "scene/scene_store.h"

namespace {
SceneStore theScene;
}

SceneStore& Scene() { return theScene; }

void ResetScene() { theScene = SceneStore{}; }
