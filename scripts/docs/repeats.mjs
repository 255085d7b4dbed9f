// node repeats.mjs FILE...: every run of ten words or more that two of the Markdown FILEs
// share, once each; exits with 1 if there is one. Code blocks, pictures and link targets
// are left out.
import {readFileSync} from 'node:fs'

const run = 10
const seen = new Map()  // a run of words -> the first file it was found in
const shared = []
for (const file of process.argv.slice(2)) {
  const words = readFileSync(file, 'utf8')
    .replace(/^(```|~~~)[^]*?^\1/gm, ' ')
    .replace(/!\[[^\]]*\]\([^)]*\)/g, ' ')
    .replace(/\]\([^)]*\)/g, ' ')
    .toLowerCase()
    .split(/[^\p{L}\p{N}_./'%+-]+/u)
    .map((word) => word.replace(/\.+$/, ''))
    .filter((word) => /[\p{L}\p{N}]/u.test(word))
  let last = null  // the shared run the previous word began, to extend
  for (let i = 0; i + run <= words.length; ++i) {
    const words_run = words.slice(i, i + run).join(' ')
    const first = seen.get(words_run)
    if (first === undefined) seen.set(words_run, file)
    if (first === undefined || first === file) last = null
    else if (last && last.first === first) last.words.push(words[i + run - 1])
    else shared.push((last = {first, file, words: words.slice(i, i + run)}))
  }
}
for (const {first, file, words} of shared) console.log(`${first} and ${file}: ${words.join(' ')}`)
process.exitCode = shared.length > 0 ? 1 : 0
