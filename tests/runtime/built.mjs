// What the build makes for these tests. The runtime is joined by the CMake build, not kept in
// the sources: MORVANE_BUILD_DIR names the build folder (scripts/test.sh sets it).
import { existsSync } from 'node:fs';
import { join, resolve } from 'node:path';

export function builtFile(relative) {
  const build = process.env.MORVANE_BUILD_DIR;
  if (!build) {
    throw new Error('MORVANE_BUILD_DIR is not set: name the CMake build folder, as in MORVANE_BUILD_DIR=build/dev node --test tests/runtime/');
  }
  const file = join(resolve(build), relative);
  if (!existsSync(file)) throw new Error(`${file} is missing: build it first (cmake --build ${build})`);
  return file;
}

// The shipped script, runtime/morvane-applets.js of an installation.
export const runtimeFile = () => builtFile('src/runtime/morvane-applets.js');
