// The configuration of scripts/check-docs: GitHub's Markdown, and every local link and
// #anchor checked offline as GitHub resolves them.
import remarkGfm from 'remark-gfm'
import remarkValidateLinks from 'remark-validate-links'

export default {plugins: [remarkGfm, [remarkValidateLinks, {repository: false}]]}
