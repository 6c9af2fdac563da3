#pragma once
// The main window as the program starts it, on scripted services.
#include <gtest/gtest.h>

#include <memory>

#include "app/startup.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(int width = 1024, int height = 768, int depth = 32, double seed = 1)
      : services(width, height, depth), started(app::StartWindow(services, seed)), w(*started) {}

  forms::ScriptedServices services;
  std::unique_ptr<window::TrochelaMain> started;
  window::TrochelaMain& w;
};
