"use strict";
// Reads the play statistics: stats.xml is a list of "session" elements
// without a root, and a run that ended badly may have left an incomplete
// one, so the tags are read one by one instead of as a document.

function decodeEntities(text) {
  var named = { quot: '"', amp: "&", apos: "'", lt: "<", gt: ">" };
  return text.replace(/&(#x[0-9A-Fa-f]+|#[0-9]+|quot|amp|apos|lt|gt);/g, function (all, name) {
    if (name in named) return named[name];
    var code = name.charAt(1) === "x" ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
    return code > 0 && code < 0x110000 ? String.fromCodePoint(code) : "";
  });
}

function readAttributes(tag) {
  var attributes = {};
  var pattern = /([A-Za-z_][\w.-]*)\s*=\s*"([^"]*)"/g;
  var match;
  while ((match = pattern.exec(tag)) !== null) attributes[match[1]] = decodeEntities(match[2]);
  return attributes;
}

// [{ attributes: {id, cpuMhz, memMb}, levels: [{player, exitReason, ...}] }]
function readSessions(text) {
  var sessions = [];
  var pattern = /<(session|level)\b([^<>]*)>?/g;
  var match;
  while ((match = pattern.exec(text)) !== null) {
    var attributes = readAttributes(match[2]);
    if (match[1] === "session") {
      sessions.push({ attributes: attributes, levels: [] });
    } else if (sessions.length > 0) {
      sessions[sessions.length - 1].levels.push(attributes);
    }
  }
  return sessions;
}

if (typeof module !== "undefined") module.exports = { readSessions: readSessions, decodeEntities: decodeEntities };
