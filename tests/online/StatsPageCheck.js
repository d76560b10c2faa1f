// node StatsPageCheck.js <html folder>: loads the folder's stats.js as the
// page does and prints what the page's reader makes of it, one line per
// session ("id memMb") and per level ("  player|exitReason|name|days").
"use strict";
const fs = require("fs");
const path = require("path");
const vm = require("vm");

const folder = process.argv[2];
const page = {};
vm.createContext(page);
vm.runInContext(fs.readFileSync(path.join(folder, "stats.js"), "utf8"), page);
const view = require(path.resolve(folder, "stats-view.js"));
const lines = [];
for (const session of view.readSessions(page.xml)) {
  lines.push(session.attributes.id + " " + session.attributes.memMb);
  for (const level of session.levels) {
    lines.push("  " + [level.player, level.exitReason, level.name, level.days].join("|"));
  }
}
process.stdout.write(lines.join("\n") + "\n");
