// Reads "latitude longitude" lines on stdin and prints, for each, the IANA zones that geo-tz's
// comprehensive boundary set finds there, separated by blanks, in the same order.
"use strict";
const { find } = require("geo-tz/all");

let input = "";
process.stdin.setEncoding("ascii");
process.stdin.on("data", (chunk) => (input += chunk));
process.stdin.on("end", () => {
  const out = [];
  for (const line of input.split("\n")) {
    if (line.trim() === "") continue;
    const [lat, lon] = line.trim().split(/\s+/).map(Number);
    if (!Number.isFinite(lat) || !Number.isFinite(lon)) throw new Error(`bad coordinates: ${line}`);
    out.push(find(lat, lon).join(" "));
  }
  process.stdout.write(out.join("\n") + "\n");
});
